"""HTTP downloads through qvftp.dll under Wine against a loopback server:
bodies saved byte for byte, counters, error pages, empty and unsized bodies,
unreachable servers, stop requests, refused starts and parameter limits.
"""
import os
import unittest

import winebench
from qvtest import drive, file_bytes, temp_dir, winpath  # first: puts testing/servers on the path
from http_bodies import NOT_FOUND_BODY, body_bytes, body_server


class HttpDownload(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._server_cm = body_server()
        cls.server = cls._server_cm.__enter__()
        cls._dir_cm = temp_dir('qv-http')
        cls.dir = cls._dir_cm.__enter__()

    @classmethod
    def tearDownClass(cls):
        cls._dir_cm.__exit__(None, None, None)
        cls._server_cm.__exit__(None, None, None)

    def target(self, name):
        path = self.dir / name
        if path.exists():
            path.unlink()
        return path

    def download(self, path, local):
        r = drive('http', self.server.base + path, winpath(local), 'wait', 'counters')
        self.assertNotEqual(r.last('start'), 0)
        self.assertEqual(r.last('wait'), 0)
        return r

    def test_bodies_are_saved_byte_for_byte_with_their_counts(self):
        # (path, expected body, expected total_bytes)
        rows = [
            ('/body/3500000', body_bytes(3500000), 3500000),
            ('/body/10240', body_bytes(10240), 10240),
            ('/missing', NOT_FOUND_BODY, len(NOT_FOUND_BODY)),
            ('/empty', b'', 0),
            ('/nolength/200001', body_bytes(200001), 0),
        ]
        for path, body, total in rows:
            with self.subTest(path=path):
                local = self.target('body.bin')
                r = self.download(path, local)
                self.assertEqual(file_bytes(local), body)
                self.assertEqual(r.last('all'), total)
                self.assertEqual(r.last('now'), len(body))

    def test_unreachable_server_or_bad_address_leaves_the_file_alone(self):
        closed_port = winebench.free_port()
        for url in (f'http://127.0.0.1:{closed_port}/body/10', 'nonsense://127.0.0.1/x', ''):
            with self.subTest(url=url):
                local = self.target('keep.txt')
                local.write_bytes(b'old content')
                r = drive('http', url, winpath(local), 'wait', 'counters')
                self.assertNotEqual(r.last('start'), 0)
                self.assertEqual(r.last('wait'), 0)
                self.assertEqual(file_bytes(local), b'old content')
                self.assertEqual((r.last('all'), r.last('now')), (0, 0))

    def test_stop_during_a_slow_transfer_keeps_done_bytes_in_the_file(self):
        local = self.target('slow.bin')
        r = drive('http', self.server.base + '/slow/3000000', winpath(local), 'stopat', '51200', 'wait', 'counters')
        self.assertEqual(r.last('stop'), 4)
        self.assertEqual(r.last('wait'), 0)
        done = r.last('now')
        self.assertGreaterEqual(done, 51200)
        self.assertLess(done, 3000000)
        self.assertEqual(r.last('all'), 3000000)
        self.assertEqual(os.path.getsize(local), done)
        self.assertEqual(file_bytes(local), body_bytes(3000000)[:done])

    def test_a_server_that_stops_sending_and_drops_the_connection_ends_the_job(self):
        local = self.target('dropped.bin')
        r = drive('http', self.server.base + '/drop/1000000/50000/2000', winpath(local), 'wait', 'counters')
        self.assertEqual(r.last('wait'), 0)
        self.assertEqual(r.last('all'), 1000000)
        self.assertEqual(r.last('now'), 50000)
        self.assertEqual(file_bytes(local), body_bytes(50000))

    def test_starts_are_refused_while_a_job_runs_or_a_stop_is_pending(self):
        first, second = self.target('first.bin'), self.target('second.bin')
        slow = self.server.base + '/slow/3000000'
        quick = self.server.base + '/body/10'
        r = drive('http', slow, winpath(first), 'state',
                  'http', quick, winpath(second),
                  'read', '127.0.0.1', '', '', 'x', '', winpath(second),
                  'stop', 'stop', 'http', quick, winpath(second), 'wait')
        starts = r.values('start')
        self.assertNotEqual(starts[0], 0)
        self.assertEqual(r.values('state'), [4])
        self.assertEqual(starts[1:], [4, 4, -1])
        self.assertEqual(r.values('stop'), [4, -1])
        self.assertEqual(r.last('wait'), 0)
        self.assertFalse(second.exists())
        # The stop may come before the worker has looked at the state (then
        # no job runs and no file is made) or during the transfer.
        kept = file_bytes(first) or b''
        self.assertEqual(kept, body_bytes(3000000)[:len(kept)])

    def test_stop_while_idle_returns_zero_and_changes_nothing(self):
        r = drive('stop', 'state', 'stop')
        self.assertEqual(r.values('stop'), [0, 0])
        self.assertEqual(r.values('state'), [0])

    def test_parameters_of_99_bytes_are_taken_and_of_100_refused(self):
        prefix = self.server.base + '/body/5?'
        url99 = prefix + 'q' * (99 - len(prefix))
        local = self.target('limit.bin')
        r = drive('http', url99 + 'q', winpath(local), 'state', 'counters')
        self.assertEqual((r.last('start'), r.last('state')), (0, 0))
        self.assertFalse(local.exists())
        r = drive('http', url99, winpath(local), 'wait')
        self.assertNotEqual(r.last('start'), 0)
        self.assertEqual(file_bytes(local), body_bytes(5))
        self.assertIn('/body/5?' + 'q' * (99 - len(prefix)), self.server.requests)

        long_local = winpath(self.dir) + '\\' + 'n' * 100
        r = drive('http', self.server.base + '/body/5', long_local[:100], 'state')
        self.assertEqual((r.last('start'), r.last('state')), (0, 0))

    def test_counters_last_until_the_next_worker_begins(self):
        local = self.target('counters.bin')
        closed_port = winebench.free_port()
        r = drive('http', self.server.base + '/body/30000', winpath(local), 'wait', 'sleep', '100', 'counters',
                  'http', f'http://127.0.0.1:{closed_port}/x', winpath(local), 'wait', 'counters')
        self.assertEqual(r.values('all'), [30000, 0])
        self.assertEqual(r.values('now'), [30000, 0])

    def test_a_thousand_jobs_hold_no_more_handles(self):
        local = self.target('many.bin')
        url = self.server.base + '/empty'
        r = drive('http', url, winpath(local), 'wait', 'handles',
                  'repeat', '1000', 'http', url, winpath(local), 'handles', timeout=600)
        self.assertEqual(r.last('repeat_failed'), 0)
        before, after = r.values('handles')
        self.assertLess(after - before, 20, r.text)

    def test_freeing_the_library_as_soon_as_a_job_ends_is_safe(self):
        # The worker still runs the library's code for a moment after the
        # state is back at 0; its own reference keeps the library mapped
        # until it has left, and then the library leaves the process.
        local = self.target('cycle.bin')
        r = drive('cycle', '200', self.server.base + '/body/10', winpath(local), timeout=300)
        self.assertEqual((r.last('cycle_failed'), r.last('still_loaded')), (0, 0))
        self.assertEqual(file_bytes(local), body_bytes(10))


if __name__ == '__main__':
    unittest.main()
