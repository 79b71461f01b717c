"""veskchk.exe start-up: the companion files and their message box, the
switch taken from the last two characters of the command text, /B handing
the built-in antenna address to the browser, and a Japanese program folder."""
import os
import unittest

import winebench
import vesk_wine as vw

ANTENNA = f'http://{winebench.ANTENNA_HOST}/antenna/index.shtml'


def missing_text(name):
    return f'必要なファイル{name}がありません。インストールしなおしてください'


class CompanionFiles(unittest.TestCase):
    def check_box(self, folder, args, expected_text, recorder):
        proc, _ = vw.start(folder, *args, env=recorder.env)
        code, text = winebench.poke('msgbox', vw.TITLE_BOX, seconds=15)
        self.assertEqual(code, 0, 'no message box appeared')
        self.assertEqual(text.strip(), expected_text)
        self.assertTrue(vw.ends_within(proc, 10), 'program did not end after the message box')

    def test_each_missing_file_is_reported_in_order_and_stops_every_switch(self):
        # (files present, switch, file reported)
        cases = [
            ((), '/B', 'mojiro.exe'),
            (('qvftp.dll', 'nuvel.dll'), '/B', 'mojiro.exe'),
            (('mojiro.exe',), '/S', 'qvftp.dll'),
            (('mojiro.exe', 'nuvel.dll'), '/B', 'qvftp.dll'),
            (('mojiro.exe', 'qvftp.dll'), '/B', 'nuvel.dll'),
            (('mojiro.exe', 'qvftp.dll'), '/S', 'nuvel.dll'),
            (('mojiro.exe', 'qvftp.dll'), '/L', 'nuvel.dll'),
        ]
        for present, switch, reported in cases:
            with self.subTest(present=present, switch=switch), winebench.temp_dir() as root:
                folder = vw.program_dir(root, companions=present)
                rec = winebench.Recorder(root)
                self.check_box(folder, [switch], missing_text(reported), rec)
                self.assertEqual(rec.calls(), [], 'the switch ran although a file was missing')
                self.assertFalse((folder / 'npplugin.txt').exists())

    def test_a_directory_with_the_file_name_does_not_count(self):
        with winebench.temp_dir() as root:
            folder = vw.program_dir(root, companions=('mojiro.exe', 'nuvel.dll'))
            (folder / 'qvftp.dll').mkdir()
            rec = winebench.Recorder(root)
            self.check_box(folder, ['/B'], missing_text('qvftp.dll'), rec)

    def test_a_hidden_or_system_file_does_not_count(self):
        # Wine keeps DOS attributes in this extended attribute.
        for name, attribute in (('hidden', b'0x2'), ('system', b'0x4')):
            with self.subTest(name), winebench.temp_dir() as root:
                folder = vw.program_dir(root)
                try:
                    os.setxattr(folder / 'qvftp.dll', 'user.DOSATTRIB', attribute)
                except OSError as e:
                    self.skipTest(f'no extended attributes here: {e}')
                rec = winebench.Recorder(root)
                self.check_box(folder, ['/B'], missing_text('qvftp.dll'), rec)

    def test_files_are_looked_for_beside_the_program_not_in_the_current_directory(self):
        with winebench.temp_dir() as root:
            folder = vw.program_dir(root, companions=('mojiro.exe', 'qvftp.dll'))
            (root / 'nuvel.dll').write_bytes(b'')
            rec = winebench.Recorder(root)
            proc, _ = vw.start(folder, '/B', cwd=root, env=rec.env)
            code, text = winebench.poke('msgbox', vw.TITLE_BOX, seconds=15)
            self.assertEqual(text.strip(), missing_text('nuvel.dll'))
            self.assertTrue(vw.ends_within(proc, 10))


class Switches(unittest.TestCase):
    def test_browse_switch_opens_the_antenna_page_and_ends(self):
        for args in (['/B'], ['/b'], ['anything/b'], ['x', '/B']):
            with self.subTest(args=args), winebench.temp_dir() as root:
                folder = vw.program_dir(root)
                rec = winebench.Recorder(root)
                proc, _ = vw.start(folder, *args, env=rec.env)
                self.assertTrue(vw.ends_within(proc, 15))
                self.assertEqual(rec.wait_calls(1), [[ANTENNA]])

    def test_a_command_matching_no_switch_ends_at_once_doing_nothing(self):
        # "/G " (a trailing blank) reaches the program quoted; "G" alone and
        # "/BX" end in no switch either.
        for args in (['/G '], ['G'], ['/BX'], ['/X'], ['B']):
            with self.subTest(args=args), winebench.temp_dir() as root:
                folder = vw.program_dir(root)
                rec = winebench.Recorder(root)
                proc, _ = vw.start(folder, *args, env=rec.env)
                self.assertTrue(vw.ends_within(proc, 10), 'program kept running')
                self.assertEqual(winebench.poke('exists', vw.TITLE_BOX, seconds=0)[0], 1)
                self.assertEqual(rec.calls(), [])
                self.assertFalse((folder / 'npplugin.txt').exists())

    def test_settings_switch_in_lower_case_and_after_other_text_shows_the_form(self):
        for args in (['/s'], ['config/S']):
            with self.subTest(args=args), winebench.temp_dir() as root:
                folder = vw.program_dir(root)
                proc, _ = vw.start(folder, *args)
                code, dump = winebench.poke('dump', vw.TITLE_FORM, seconds=15)
                self.assertEqual(code, 0, 'settings form not shown')
                self.assertIn(vw.CHECK1, dump)
                winebench.poke('close', vw.TITLE_FORM)
                self.assertTrue(vw.ends_within(proc, 10))
                self.assertFalse((folder / 'npplugin.txt').exists(), 'closing the form wrote the list')


class JapaneseFolder(unittest.TestCase):
    def test_program_in_a_japanese_folder_finds_its_files_and_runs(self):
        with winebench.temp_dir() as root:
            folder = vw.program_dir(root, name='ピルトナー 設定', companions=('mojiro.exe', 'qvftp.dll'))
            rec = winebench.Recorder(root)
            proc, _ = vw.start(folder, '/B', env=rec.env)
            code, text = winebench.poke('msgbox', vw.TITLE_BOX, seconds=15)
            self.assertEqual(text.strip(), missing_text('nuvel.dll'))
            self.assertTrue(vw.ends_within(proc, 10))
            self.assertEqual(rec.calls(), [])

            (folder / 'nuvel.dll').write_bytes(b'')
            proc, _ = vw.start(folder, '/B', env=rec.env)
            self.assertTrue(vw.ends_within(proc, 15))
            self.assertEqual(rec.wait_calls(1), [[ANTENNA]])


if __name__ == '__main__':
    unittest.main(verbosity=2)
