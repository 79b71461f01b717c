"""The settings form of veskchk.exe (/S): Check1 set from the plug-in list,
OK writing the list whole, NPRefresh of "..\\..\\sakurap.dll" called only
while the host's mutex "NPP" exists, and a list that cannot be written
reported while the form stays open."""
import shutil
import unittest

import winebench
import vesk_wine as vw

MENU_LINES = [
    'NPP/1.3',
    'ピルトナー\\チェック開始,veskchk.exe,/G',
    'ピルトナー\\最後に取得したデータを読む,veskchk.exe,/L',
    'ピルトナー\\SEPARATOR',
    'ピルトナー\\設定,veskchk.exe,/S',
    'ピルトナー\\SEPARATOR',
    'ピルトナー\\アンテナをブラウザで開く,veskchk.exe,/B',
]
TIMED = 'sec[900],veskchk.exe,/G'


def list_bytes(lines):
    return b''.join(vw.sjis(line) + b'\r\n' for line in lines)


SEVEN = list_bytes(MENU_LINES)
EIGHT = list_bytes(MENU_LINES + [TIMED])


def check1_state(case):
    code, dump = winebench.poke('dump', vw.TITLE_FORM, seconds=15)
    case.assertEqual(code, 0, 'settings form not shown')
    for line in dump.splitlines():
        fields = line.split('\t')
        if len(fields) == 3 and fields[1] == vw.CHECK1:
            return fields[2]
    case.fail(f'no check box in {dump!r}')


class LoadSettings(unittest.TestCase):
    def test_check1_follows_the_timed_line_of_the_list(self):
        cases = {
            'no list': (None, 'check=1'),
            'timed line last': (EIGHT, 'check=1'),
            'timed line second': (list_bytes(MENU_LINES[:1] + [TIMED] + MENU_LINES[1:]), 'check=1'),
            'timed line with a trailing blank': (list_bytes(MENU_LINES + [TIMED + ' ']), 'check=0'),
            'timed line in other case': (list_bytes(MENU_LINES + [TIMED.upper()]), 'check=0'),
            'seven lines': (SEVEN, 'check=0'),
            'empty list': (b'', 'check=0'),
            'a folder named like the list': ('folder', 'check=1'),
        }
        for name, (content, expected) in cases.items():
            with self.subTest(name), winebench.temp_dir() as root:
                folder = vw.program_dir(root)
                target = folder / 'npplugin.txt'
                if content == 'folder':
                    target.mkdir()
                elif content is not None:
                    target.write_bytes(content)
                proc, _ = vw.start(folder, '/S')
                self.assertEqual(check1_state(self), expected)
                winebench.poke('close', vw.TITLE_FORM)
                self.assertTrue(vw.ends_within(proc, 10))
                if isinstance(content, bytes):
                    self.assertEqual(target.read_bytes(), content, 'closing the form changed the list')


class PressOk(unittest.TestCase):
    def test_ok_writes_the_list_and_refreshes_a_running_host(self):
        # (list before, click Check1 first, host mutex, library present) ->
        # (list after, NPRefresh calls)
        cases = {
            'no list, host with library': (None, False, True, True, EIGHT, 1),
            'seven lines, host without library': (SEVEN, False, True, False, SEVEN, 0),
            'check turned off, library without host': (None, True, False, True, SEVEN, 0),
            'check turned on, host with library': (SEVEN, True, True, True, EIGHT, 1),
            'nothing running': (None, False, False, False, EIGHT, 0),
        }
        for name, (before, click, mutex, library, after, refreshes) in cases.items():
            with self.subTest(name), winebench.temp_dir() as root:
                folder = vw.program_dir(root, name='ピルトナー')
                if before is not None:
                    (folder / 'npplugin.txt').write_bytes(before)
                if library:
                    shutil.copy2(winebench.BIN / 'sakurap.dll', root / 'sakurap.dll')
                with vw.HostStandIn(root / 'host', mapping=False, mutex=mutex):
                    proc, _ = vw.start(folder, '/S')
                    initial = check1_state(self)
                    if click:
                        self.assertEqual(winebench.poke('click', vw.TITLE_FORM, vw.CHECK1)[0], 0)
                        self.assertTrue(winebench.wait_until(lambda: check1_state(self) != initial, 5))
                    self.assertEqual(winebench.poke('click', vw.TITLE_FORM, 'OK')[0], 0)
                    self.assertTrue(vw.ends_within(proc, 10), 'OK did not end the program')
                self.assertEqual((folder / 'npplugin.txt').read_bytes(), after)
                self.assertEqual(sorted(p.name for p in folder.iterdir()),
                                 sorted(vw.COMPANIONS + ('npplugin.txt', 'veskchk.exe')), 'files left behind')
                log = root / 'sakurap.log'
                calls = log.read_bytes().count(b'NPRefresh') if log.exists() else 0
                self.assertEqual(calls, refreshes)

    def test_a_list_that_cannot_be_written_is_reported_and_the_form_stays(self):
        with winebench.temp_dir() as root:
            folder = vw.program_dir(root)
            (folder / 'npplugin.txt').mkdir()
            shutil.copy2(winebench.BIN / 'sakurap.dll', root / 'sakurap.dll')
            with vw.HostStandIn(root / 'host', mapping=False, mutex=True):
                proc, _ = vw.start(folder, '/S')
                self.assertEqual(check1_state(self), 'check=1')
                self.assertEqual(winebench.poke('click', vw.TITLE_FORM, 'OK')[0], 0)
                code, text = winebench.poke('msgbox', vw.TITLE_BOX, seconds=15)
                self.assertEqual(code, 0, 'the failure was not reported')
                self.assertIn('npplugin.txt', text)
                self.assertIn('書き込めませんでした', text)
                self.assertIsNone(proc.poll(), 'the program ended after a failed write')
                self.assertEqual(winebench.poke('exists', vw.TITLE_FORM, seconds=5)[0], 0)
                winebench.poke('close', vw.TITLE_FORM)
                self.assertTrue(vw.ends_within(proc, 10))
            self.assertTrue((folder / 'npplugin.txt').is_dir())
            self.assertFalse((folder / 'npplugin.txt.new').exists())
            self.assertFalse((root / 'sakurap.log').exists(), 'NPRefresh called after a failed write')


if __name__ == '__main__':
    unittest.main(verbosity=2)
