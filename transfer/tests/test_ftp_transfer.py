"""FTP downloads and uploads through qvftp.dll under Wine against a real FTP
server (pyftpdlib) on port 21 of 127.0.0.21: files byte for byte, transfer
types, logins, directories, files the server does not list, and targets
that must end the job before any connection.
"""
# ctest: RESOURCE_LOCK ftp_127.0.0.21
import os
import unittest

import winebench

from qvtest import drive, file_bytes, temp_dir, winpath  # first: puts testing/servers on the path
from ftp_server import PASSWORD, USER, ftp_server
from http_bodies import body_bytes

HOST = '127.0.0.21'


class FtpTransfer(unittest.TestCase):
    def setUp(self):
        self._dirs = temp_dir('qv-ftp')
        base = self._dirs.__enter__()
        self.root, self.local = base / 'root', base / 'local'
        self.root.mkdir()
        self.local.mkdir()
        self._server = ftp_server(HOST, self.root)
        self.transcript = self._server.__enter__()

    def tearDown(self):
        self._server.__exit__(None, None, None)
        self._dirs.__exit__(None, None, None)

    def job(self, action, remote, local, mode='', user=USER, password=PASSWORD, server=HOST):
        r = drive(action, server, user, password, remote, mode, winpath(local), 'wait', 'counters')
        self.assertNotEqual(r.last('start'), 0)
        self.assertEqual(r.last('wait'), 0)
        return r

    def commands(self, name):
        return [arg for cmd, arg in self.transcript.snapshot()[2] if cmd == name]

    def test_download_and_upload_byte_for_byte(self):
        for size in (3 * 1024 * 1024 + 333, 0, 10240, 10241):
            with self.subTest(size=size):
                data = body_bytes(size)
                (self.root / 'down.bin').write_bytes(data)
                got = self.local / f'down-{size}.bin'
                r = self.job('read', 'down.bin', got)
                self.assertEqual(file_bytes(got), data)
                self.assertEqual((r.last('all'), r.last('now')), (size, size))

                source = self.local / f'up-{size}.bin'
                source.write_bytes(data[::-1])
                r = self.job('write', 'up.bin', source)
                self.assertEqual(file_bytes(self.root / 'up.bin'), data[::-1])
                self.assertEqual((r.last('all'), r.last('now')), (size, size))

    def test_only_a_capital_a_selects_the_ascii_type(self):
        text = b'line one\nline two\n'
        (self.root / 'text.txt').write_bytes(text)
        crlf = b'line one\r\nline two\r\n'
        # The server sends LF line ends as CR LF in ASCII and stores CR LF
        # sent in ASCII as LF; binary moves the bytes unchanged.
        for mode, type_sent, downloaded in (('A', 'A', crlf), ('a', 'I', text), ('ASCII', 'I', text),
                                            ('', 'I', text)):
            with self.subTest(mode=mode):
                got = self.local / 'text.txt'
                self.job('read', 'text.txt', got, mode=mode)
                self.assertEqual(file_bytes(got), downloaded)
                self.assertEqual(self.commands('TYPE')[-1], type_sent)

                source = self.local / 'up.txt'
                source.write_bytes(crlf)
                self.job('write', 'up.txt', source, mode=mode)
                self.assertEqual(file_bytes(self.root / 'up.txt'), text if mode == 'A' else crlf)
                self.assertEqual(self.commands('TYPE')[-1], type_sent)

    def test_logins(self):
        (self.root / 'f.bin').write_bytes(b'payload')
        # (action, user, password, name the server logged in)
        rows = [('read', USER, PASSWORD, USER),
                ('read', '', '', 'anonymous'),
                ('read', '', 'ignored-password', 'anonymous'),
                ('write', USER, PASSWORD, USER),
                ('write', '', '', 'anonymous')]  # empty strings passed; the client logs in anonymously
        for action, user, password, logged_in in rows:
            with self.subTest(action=action, user=user, password=password):
                local = self.local / 'f.bin'
                if action == 'read' and local.exists():
                    local.unlink()
                self.job(action, 'f.bin', local, user=user, password=password)
                self.assertEqual(self.transcript.snapshot()[1][-1], logged_in)
                self.assertEqual(file_bytes(local), b'payload')

    def test_a_wrong_password_ends_the_job_without_touching_files(self):
        (self.root / 'f.bin').write_bytes(b'remote')
        local = self.local / 'f.bin'
        local.write_bytes(b'local')
        for action in ('read', 'write'):
            r = self.job(action, 'f.bin', local, password='wrong')
            self.assertEqual((r.last('all'), r.last('now')), (0, 0))
        self.assertEqual(file_bytes(local), b'local')
        self.assertEqual(file_bytes(self.root / 'f.bin'), b'remote')
        self.assertEqual(self.transcript.snapshot()[1], [])

    def test_directories_of_the_target(self):
        (self.root / 'pub' / 'doc').mkdir(parents=True)
        (self.root / 'pub' / 'doc' / 'readme.txt').write_bytes(b'in pub/doc')
        (self.root / 'readme.txt').write_bytes(b'in root')
        # (server, remote_path, directory change sent, content)
        rows = [(HOST, 'pub/doc/readme.txt', 'pub/doc', b'in pub/doc'),
                (HOST, '/pub/doc/readme.txt', '/pub/doc', b'in pub/doc'),
                (HOST + '/pub', 'doc/readme.txt', 'pub/doc', b'in pub/doc'),
                (HOST, '/readme.txt', '', b'in root'),
                (HOST, 'readme.txt', '', b'in root'),
                (HOST, 'nowhere/readme.txt', 'nowhere', b'in root')]  # a failed change stays in the login directory
        for server, remote, cwd, content in rows:
            with self.subTest(server=server, remote=remote):
                local = self.local / 'readme.txt'
                self.job('read', remote, local, server=server)
                self.assertEqual(file_bytes(local), content)
                if cwd:
                    self.assertEqual(self.commands('CWD')[-1], cwd)

    def test_a_file_the_server_does_not_list_is_not_created_locally(self):
        for existing in (None, b'keep me'):
            with self.subTest(existing=existing):
                local = self.local / 'absent.bin'
                if existing is not None:
                    local.write_bytes(existing)
                r = self.job('read', 'absent.bin', local)
                self.assertEqual(file_bytes(local), existing)
                self.assertEqual((r.last('all'), r.last('now')), (0, 0))
        self.assertEqual(self.commands('RETR'), [])

    def test_targets_refused_before_any_connection(self):
        (self.root / 'f.bin').write_bytes(b'remote')
        rows = [('pub/', 'ends with a slash'), ('/', 'root only'), ('p' * (92 - len(HOST)) + 'x', 'over 92 together')]
        for remote, why in rows:
            for action in ('read', 'write'):
                with self.subTest(action=action, why=why):
                    local = self.local / 'never.bin'
                    if action == 'write':
                        local.write_bytes(b'local')
                    r = self.job(action, remote, local)
                    self.assertEqual((r.last('all'), r.last('now')), (0, 0))
                    if action == 'read':
                        self.assertFalse(local.exists())
                    else:
                        local.unlink()
        self.assertEqual(self.transcript.snapshot()[0], 0)

    def test_a_missing_upload_source_leaves_the_remote_file_alone(self):
        (self.root / 'f.bin').write_bytes(b'remote')
        r = self.job('write', 'f.bin', self.local / 'no-such-file.bin')
        self.assertEqual((r.last('all'), r.last('now')), (0, 0))
        self.assertEqual(file_bytes(self.root / 'f.bin'), b'remote')
        self.assertEqual(self.commands('STOR'), [])

    def test_a_local_file_that_cannot_be_created_reads_nothing(self):
        (self.root / 'f.bin').write_bytes(body_bytes(300000))
        r = self.job('read', 'f.bin', self.local / 'no-such-dir' / 'f.bin')
        self.assertEqual((r.last('all'), r.last('now')), (300000, 0))
        self.assertFalse((self.local / 'no-such-dir').exists())

    def test_stop_during_a_download_keeps_done_bytes(self):
        size = 40 * 1024 * 1024
        (self.root / 'big.bin').write_bytes(body_bytes(size))
        local = self.local / 'big.bin'
        r = drive('read', HOST, USER, PASSWORD, 'big.bin', '', winpath(local), 'stopat', '102400', 'wait', 'counters')
        self.assertEqual(r.last('stop'), 1)
        done = r.last('now')
        self.assertLess(done, size)
        self.assertEqual(os.path.getsize(local), done)
        self.assertEqual(file_bytes(local), body_bytes(size)[:done])

    def test_stop_during_an_upload_leaves_done_bytes_on_the_server(self):
        size = 40 * 1024 * 1024
        source = self.local / 'big.bin'
        source.write_bytes(body_bytes(size))
        r = drive('write', HOST, USER, PASSWORD, 'big.bin', '', winpath(source), 'stopat', '102400', 'wait',
                  'counters')
        self.assertEqual(r.last('stop'), 2)
        done = r.last('now')
        self.assertGreaterEqual(done, 102400)
        self.assertLess(done, size)
        self.assertEqual(r.last('all'), size)
        stored = self.root / 'big.bin'
        # The server may still be storing the last bytes it received.
        winebench.wait_until(lambda: stored.stat().st_size >= done, seconds=10)
        self.assertEqual(file_bytes(stored), body_bytes(size)[:done])


if __name__ == '__main__':
    unittest.main()
