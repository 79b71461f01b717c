"""The FTP command job under Wine against a real FTP server (pyftpdlib):
delete a file, make and remove a directory, change a file's mode, and store
a listing whose file begins with the directory line."""
import contextlib
import logging
import os
import pathlib
import stat
import threading
import unittest

import winebench
from command_job import local_path, run_job

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

HOST = '127.0.0.39'
logging.getLogger('pyftpdlib').addHandler(logging.NullHandler())
logging.getLogger('pyftpdlib').setLevel(logging.WARNING)


@contextlib.contextmanager
def ftp_server(root):
    authorizer = DummyAuthorizer()
    authorizer.add_user('anna', 'secret', str(root), perm='elradfmwMT')
    handler = type('Handler', (FTPHandler,), {'authorizer': authorizer})
    server = FTPServer((HOST, 21), handler)
    thread = threading.Thread(target=server.serve_forever, kwargs={'timeout': 0.05}, daemon=True)
    thread.start()
    try:
        yield server
    finally:
        server.close_all()
        thread.join(timeout=5)


class AgainstPyftpdlib(unittest.TestCase):

    def setUp(self):
        self._dir = winebench.temp_dir('ftpcmd-real')
        base = self._dir.__enter__()
        self.root = base / 'root'
        (self.root / 'docs').mkdir(parents=True)
        (self.root / 'docs' / 'old.txt').write_bytes(b'old text\n')
        (self.root / 'docs' / 'keep.txt').write_bytes(b'keep\n')
        os.chmod(self.root / 'docs' / 'keep.txt', 0o600)
        self.local, self.file = local_path(base)
        self._server = ftp_server(self.root)
        self._server.__enter__()

    def tearDown(self):
        self._server.__exit__(None, None, None)
        self._dir.__exit__(None, None, None)

    def job(self, **args):
        run = run_job(HOST, **args)
        self.assertEqual(run.all('wait'), [0], run.stdout)
        self.assertEqual(run.all('all') + run.all('now'), [0, 0], run.stdout)
        return run

    def test_delete_a_file(self):
        self.job(remote='/docs/old.txt', mode='del')
        self.assertFalse((self.root / 'docs' / 'old.txt').exists())
        self.assertTrue((self.root / 'docs' / 'keep.txt').exists())

    def test_make_and_remove_a_directory(self):
        self.job(remote='/docs/fresh', mode='mkdir')
        self.assertTrue((self.root / 'docs' / 'fresh').is_dir())
        self.job(remote='/docs/fresh', mode='rmdir')
        self.assertFalse((self.root / 'docs' / 'fresh').exists())

    def test_change_a_files_mode(self):
        self.job(remote='/docs/keep.txt', mode='644')
        self.assertEqual(stat.S_IMODE((self.root / 'docs' / 'keep.txt').stat().st_mode), 0o644)

    def test_listing_after_the_action(self):
        self.job(remote='/docs/old.txt', mode='del', local=self.local)
        body = self.file.read_bytes()
        self.assertTrue(body.startswith(b'/docs\r\n'), body[:40])
        lines = body[len(b'/docs\r\n'):].split(b'\r\n')
        self.assertEqual(lines[-1], b'')
        self.assertEqual([line.split()[-1] for line in lines[:-1]], [b'keep.txt'])
        self.assertTrue(lines[0].startswith(b'-rw-------'), lines[0])


if __name__ == '__main__':
    unittest.main()
