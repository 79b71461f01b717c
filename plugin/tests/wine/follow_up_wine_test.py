"""The follow-up phase of veskchk.exe after a replay (/L), driven by the host
stand-in: messages 10001 open the picked entry's address in the browser
recorder and end the program at the next tick, 10000 restarts the 20-second
countdown, and addresses that are not plain web addresses are never handed
to the shell."""
import contextlib
import time
import unittest

import winebench
import vesk_wine as vw

MENU = vw.sjis('\\0新着だよ\\q[1件目,1]\\e') + b'\r\n'
WM_GETTEXTLENGTH = 0x000E


def store(urls):
    return b''.join(b'2024/07/23 14:%02d,' % i + vw.sjis(u) + b',T,B,N\r\n' for i, u in enumerate(urls))


def replay_folder(root, urls, extra_files=None):
    """A program folder whose saved result offers entries `urls`."""
    folder = vw.program_dir(root)
    (folder / 'vesk_lst.dat').write_bytes(MENU)
    (folder / 'vesk_old.dat').write_bytes(store(urls))
    for name, data in (extra_files or {}).items():
        (folder / name).write_bytes(data)
    return folder


def start_phase(case, host, folder, env=None):
    """Starts veskchk /L and waits for its request; returns (proc, the time
    the phase began)."""
    before = len(host.requests())
    proc, _ = vw.start(folder, '/L', env=env)
    case.assertTrue(len(host.wait_requests(before + 1, seconds=15)) > before, 'replay sent nothing')
    return proc, time.monotonic()


@contextlib.contextmanager
def phase(case, urls, root, extra_files=None):
    """veskchk /L with entries `urls` in the follow-up phase against the
    stand-in; yields (host, proc, recorder)."""
    folder = replay_folder(root, urls, extra_files)
    rec = winebench.Recorder(root)
    with vw.HostStandIn(root / 'host') as host:
        proc, _ = start_phase(case, host, folder, rec.env)
        try:
            yield host, proc, rec
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()


def alive_at(proc, moment):
    time.sleep(max(0.0, moment - time.monotonic()))
    return proc.poll() is None


class Picks(unittest.TestCase):
    def test_a_pick_opens_the_entry_and_the_program_ends_within_a_second(self):
        urls = ['http://example.com/one', 'https://example.com/two?x=1', 'http://example.com/three']
        with winebench.temp_dir() as root, phase(self, urls, root) as (host, proc, rec):
            sent = time.monotonic()
            self.assertEqual(host.send(10001, 0, 2), 'sent 0')
            self.assertTrue(vw.ends_within(proc, 3))
            self.assertLess(time.monotonic() - sent, 2.0)
            self.assertEqual(rec.wait_calls(1), [['https://example.com/two?x=1']])

    def test_two_picks_before_the_next_tick_open_both(self):
        urls = ['http://example.com/one', 'http://example.com/two', 'http://example.com/three']
        with winebench.temp_dir() as root, phase(self, urls, root) as (host, proc, rec):
            self.assertEqual(host.send_all([(10001, 0, 1), (10001, 0, 3)]), 'sent 0 0')
            self.assertTrue(vw.ends_within(proc, 3))
            calls = rec.wait_calls(2)
            self.assertEqual(sorted(calls), [['http://example.com/one'], ['http://example.com/three']])

    def test_addresses_are_unescaped_and_quotes_and_blanks_encoded(self):
        cases = [
            ('http://example.com/～user/', 'http://example.com/~user/'),
            ('http://example.com/?a=1&amp;b=2', 'http://example.com/?a=1&b=2'),
            ('http://example.com/&quot; -new-window file:///x', 'http://example.com/%22%20-new-window%20file:///x'),
            ('HTTPS://Example.com/Path', 'HTTPS://Example.com/Path'),
        ]
        urls = [given for given, _ in cases]
        for number, (given, expected) in enumerate(cases, start=1):
            with self.subTest(given), winebench.temp_dir() as root, \
                    phase(self, urls, root) as (host, proc, rec):
                self.assertEqual(host.send(10001, 0, number), 'sent 0')
                self.assertTrue(vw.ends_within(proc, 3))
                self.assertEqual(rec.wait_calls(1), [[expected]])

    def test_disallowed_addresses_and_unknown_numbers_open_nothing_yet_end_the_phase(self):
        # Copies of the recorder named "evil.exe" (in the program folder and
        # outside it) show in the log if an address ever gets a program run.
        # Wine's shell prefers its own notepad.exe, so that name is only
        # checked not to be handed over as a web address.
        with winebench.temp_dir() as root:
            recorder_copy = (winebench.BIN / 'browser_recorder.exe').read_bytes()
            (root / 'evil.exe').write_bytes(recorder_copy)
            evil = winebench.winpath(root / 'evil.exe')
            bad = ['notepad.exe', 'evil.exe', evil, 'file:///' + evil.replace('\\', '/'),
                   'javascript:alert(1)', '\\\\server\\share\\evil.exe', 'http:/no-host', 'http://',
                   'ftp://example.com/evil.exe', 'mailto:a@example.com',
                   'http://example.com/\tx']
            extra = {'notepad.exe': recorder_copy, 'evil.exe': recorder_copy}
            picks = [(n, f'entry {n}: {bad[n - 1]!r}') for n in range(1, len(bad) + 1)]
            picks += [(0, 'number 0'), (len(bad) + 1, 'number past the entries'), (-1, 'negative number'),
                      (2 ** 31 - 1, 'huge number')]
            recorders = []
            for number, name in picks:
                with self.subTest(name), phase(self, bad, root / str(number), extra) as (host, proc, rec):
                    self.assertEqual(host.send(10001, 0, number), 'sent 0')
                    self.assertTrue(vw.ends_within(proc, 3), 'the phase did not end at the next tick')
                    recorders.append((name, rec))
            # A program the shell had started would need a moment to log.
            time.sleep(1.5)
            for name, rec in recorders:
                with self.subTest(name):
                    self.assertEqual(rec.calls(), [])

    def test_other_messages_reach_the_form_unchanged(self):
        with winebench.temp_dir() as root, phase(self, ['http://example.com/'], root) as (host, proc, rec):
            answer = host.send(WM_GETTEXTLENGTH, 0, 0).split()
            self.assertEqual(answer[0], 'sent')
            # "ピルトナー設定": 7 characters, 14 bytes in code page 932.
            self.assertIn(int(answer[1]), (7, 14))
            self.assertTrue(alive_at(proc, time.monotonic() + 1.5), 'an ordinary message ended the phase')
            host.send(10001, 0, 0)
            self.assertTrue(vw.ends_within(proc, 3))


class Countdown(unittest.TestCase):
    def test_twenty_idle_ticks_end_the_phase_and_10000_starts_them_again(self):
        # Two programs at once: "quiet" gets no message, "kept" gets a 10000
        # after 15 s. The stand-in messages the program that sent last.
        with winebench.temp_dir() as root, vw.HostStandIn(root / 'host') as host:
            quiet, quiet_began = start_phase(self, host, replay_folder(root / 'quiet', ['http://example.com/']))
            kept, kept_began = start_phase(self, host, replay_folder(root / 'kept', ['http://example.com/']))
            try:
                self.assertTrue(alive_at(quiet, quiet_began + 18.5), 'ended before the 20th tick')
                self.assertTrue(vw.ends_within(quiet, max(0.5, quiet_began + 22.5 - time.monotonic())),
                                'did not end at the 20th tick')

                time.sleep(max(0.0, kept_began + 15 - time.monotonic()))
                self.assertEqual(host.send(10000, 0, 0), 'sent 0')
                kept_again = time.monotonic()
                self.assertTrue(alive_at(kept, kept_began + 25), 'ended although 10000 restarted the count')
                self.assertTrue(alive_at(kept, kept_again + 18.5), 'ended before 20 ticks after the 10000')
                self.assertTrue(vw.ends_within(kept, max(0.5, kept_again + 22.5 - time.monotonic())),
                                'did not end 20 ticks after the 10000')
            finally:
                for proc in (quiet, kept):
                    if proc.poll() is None:
                        proc.kill()
                        proc.wait()


if __name__ == '__main__':
    unittest.main(verbosity=2)
