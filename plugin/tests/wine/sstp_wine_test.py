"""Script delivery of veskchk.exe against the host stand-in: the exact
request bytes of a replay (/L), the host window found through the shared
memory "Sakura" in its well-formed and hostile shapes, and no request when
no host is found."""
import unittest

import winebench
import vesk_wine as vw

MENU = vw.sjis('\\0\\s[5]新着は2件だよ\\n\\q[テスト,1]\\e') + b'\r\nEntry: 1,\\m[10001,0,1]'
STORE = b'2024/07/23 14:31,http://example.com/a,A,B,N\r\n'
NO_SAVED = vw.sjis('前回のデータがないよ～')
# Ends the follow-up phase at the next tick: a number that names no entry.
END_PHASE = (10001, 0, 0)


def replay(case, files, args=('/L',), block=None, expect_request=True):
    """Runs veskchk with `files` in its folder against the stand-in (with
    `block` as its shared memory, if given); returns the requests recorded."""
    with winebench.temp_dir() as root:
        folder = vw.program_dir(root)
        for name, data in files.items():
            (folder / name).write_bytes(data)
        with vw.HostStandIn(root / 'host', block=block) as host:
            proc, _ = vw.start(folder, *args)
            if expect_request:
                case.assertTrue(host.wait_requests(1, seconds=15), 'nothing sent')
                case.assertTrue(host.send(*END_PHASE).startswith('sent'))
            case.assertTrue(vw.ends_within(proc, 10), 'program did not end')
            return host.requests()


class Replay(unittest.TestCase):
    def replay(self, files, args=('/L',)):
        return replay(self, files, args)

    def test_saved_menu_is_sent_unchanged_with_an_empty_line_before_hwnd(self):
        script = MENU + b'\r\n'
        (request,) = self.replay({'vesk_lst.dat': script, 'vesk_old.dat': STORE})
        self.assertEqual(request.ident, 9801)
        self.assertEqual(request.data, vw.request_bytes(script, request.sender))
        self.assertIn(b'\r\n\r\nHWnd: ', request.data)
        # The byte count counts the bytes of the double-byte characters.
        self.assertEqual(len(request.data), len(vw.request_bytes(script, request.sender)))

    def test_lower_case_and_trailing_text_switches_replay(self):
        for args in (['/l'], ['again/L']):
            with self.subTest(args=args):
                script = MENU + b'\r\n'
                (request,) = self.replay({'vesk_lst.dat': script, 'vesk_old.dat': STORE}, args=args)
                self.assertEqual(request.data, vw.request_bytes(script, request.sender))

    def test_without_both_saved_files_the_no_result_text_is_sent(self):
        for files in ({}, {'vesk_lst.dat': MENU + b'\r\n'}, {'vesk_old.dat': STORE}):
            with self.subTest(files=sorted(files)):
                (request,) = self.replay(files)
                self.assertEqual(request.data, vw.request_bytes(NO_SAVED, request.sender))

    def test_a_program_at_a_drive_root_finds_its_saved_result(self):
        script = MENU + b'\r\n'
        with winebench.temp_dir() as root:
            drive = root / 'drive'
            drive.mkdir()
            vw.program_dir(root)  # the installed program, copied to the root
            for name in ('veskchk.exe',) + vw.COMPANIONS:
                (drive / name).write_bytes((root / 'plugin' / 'veskchk' / name).read_bytes())
            (drive / 'vesk_lst.dat').write_bytes(script)
            (drive / 'vesk_old.dat').write_bytes(STORE)
            with vw.drive_root(drive) as letter, vw.HostStandIn(root / 'host') as host:
                proc = winebench.spawn(letter + 'veskchk.exe', '/L')
                self.assertTrue(host.wait_requests(1, seconds=15), 'nothing sent')
                host.send(*END_PHASE)
                self.assertTrue(vw.ends_within(proc, 10))
                proc.stdout.close()
                proc.stderr.close()
                (request,) = host.requests()
                self.assertEqual(request.data, vw.request_bytes(script, request.sender))

    def test_an_empty_saved_menu_sends_an_empty_script(self):
        (request,) = self.replay({'vesk_lst.dat': b'', 'vesk_old.dat': STORE})
        self.assertEqual(request.data, vw.request_bytes(b'', request.sender))


class HostBlock(unittest.TestCase):
    def requests_for(self, block, expect_request):
        return replay(self, {}, block=block, expect_request=expect_request)

    def test_blocks_that_name_the_host(self):
        cases = {
            'usual layout': b'\x7f' * 4 + b'\x01%HWND%\r' + b'\0' * 100,
            'mapping smaller than the block': b'abcd\x01%HWND%\r',
            'no byte 1: number read from the start': b'  %HWND%\r',
            'byte 1 late in the block': b'\0' * 900 + b'\x01%HWND%\rtrailing',
            # Positions count characters: byte 1 is the sixth character.
            'Japanese text before the handle': vw.sjis('ホストの窓') + b'\x01%HWND%\r',
        }
        for name, block in cases.items():
            with self.subTest(name):
                (request,) = self.requests_for(block, True)
                self.assertEqual(request.data, vw.request_bytes(NO_SAVED, request.sender))

    def test_blocks_that_name_no_host_send_nothing_and_end_at_once(self):
        cases = {
            'byte 1 without a CR after it': b'abcd\x01%HWND%' + b'\0' * 50,
            'CR beyond the first 1024 bytes': b'\0' * 1019 + b'\x01%HWND%\r',
            'byte 1 only in the first four bytes': b'\x01%HWND%\r',
            # The seventh byte but the fourth character: before position 5.
            'byte 1 as the fourth character': vw.sjis('ホスト') + b'\x01%HWND%\r',
            'no digits': b'abcd\x01\r',
            'all zero': b'\0' * 1024,
        }
        for name, block in cases.items():
            with self.subTest(name):
                self.assertEqual(self.requests_for(block, False), [])

    def test_without_the_shared_memory_nothing_is_sent_and_the_program_ends_at_once(self):
        with winebench.temp_dir() as root:
            folder = vw.program_dir(root)
            (folder / 'vesk_lst.dat').write_bytes(MENU + b'\r\n')
            (folder / 'vesk_old.dat').write_bytes(STORE)
            with vw.HostStandIn(root / 'host', mapping=False) as host:
                proc, _ = vw.start(folder, '/L')
                self.assertTrue(vw.ends_within(proc, 10), 'program waited without a host')
                self.assertEqual(host.requests(), [])


if __name__ == '__main__':
    unittest.main(verbosity=2)
