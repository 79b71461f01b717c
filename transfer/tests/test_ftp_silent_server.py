"""An FTP server that accepts the control connection and never answers must
not hold a job for ever: the FTP download ends on its own (under Wine the
client gives up on the greeting after about a minute), leaving the counters
at 0 and creating no local file.
"""
# ctest: RESOURCE_LOCK ftp_127.0.0.22
# ctest: TIMEOUT 400
import contextlib
import socket
import threading
import time
import unittest

from qvtest import drive, temp_dir, winpath

HOST = '127.0.0.22'


@contextlib.contextmanager
def silent_server(host):
    """Accepts on host:21 and keeps every connection open without a word."""
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind((host, 21))
    listener.listen(5)
    accepted = []

    def accept():
        while True:
            try:
                accepted.append(listener.accept()[0])
            except OSError:
                return

    threading.Thread(target=accept, daemon=True).start()
    try:
        yield accepted
    finally:
        listener.close()
        for conn in accepted:
            conn.close()


class SilentFtpServer(unittest.TestCase):
    def test_a_server_that_never_greets_ends_the_job(self):
        with temp_dir('qv-silent') as d, silent_server(HOST) as accepted:
            local = d / 'never.bin'
            begun = time.monotonic()
            r = drive('read', HOST, 'tester', 'secret', 'f.bin', '', winpath(local), 'wait', 'counters', timeout=360)
            seconds = time.monotonic() - begun
            self.assertEqual(r.last('wait'), 0)
            self.assertEqual((r.last('all'), r.last('now')), (0, 0))
            self.assertFalse(local.exists())
            self.assertEqual(len(accepted), 1)
            print(f'job ended {seconds:.1f} s after its start')


if __name__ == '__main__':
    unittest.main()
