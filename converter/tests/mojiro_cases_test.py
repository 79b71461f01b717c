"""mojiro.exe under Wine: argument counts, open modes, empty, missing,
read-only and oversized inputs, a converter result of 0, and the import of
nuvel.dll. The exit code is 0 in every case in which the program starts."""
import os
import pathlib
import subprocess
import unittest

import winebench as wb

USAGE = b'Usage: mojiro infile outfile\r\n'  # "\n" in text mode on a Windows console


class MojiroCases(unittest.TestCase):
    def setUp(self):
        self._dir = wb.temp_dir('mojiro')
        self.dir = self._dir.__enter__()
        wb.install(['mojiro.exe', 'nuvel.dll'], self.dir)

    def tearDown(self):
        self._dir.__exit__(None, None, None)

    def mojiro(self, *args):
        return wb.run(self.dir / 'mojiro.exe', *args, cwd=self.dir)

    def write(self, name, data):
        path = self.dir / name
        path.write_bytes(data)
        return path

    def test_wrong_argument_counts_print_usage_and_touch_nothing(self):
        existing = self.write('out.txt', b'keep me')
        for args in ([], ['in.txt'], ['in.txt', 'out.txt', 'extra']):
            with self.subTest(args=args):
                p = self.mojiro(*args)
                self.assertEqual(p.returncode, 0)
                self.assertEqual(p.stdout, USAGE)
                self.assertEqual(existing.read_bytes(), b'keep me')
                self.assertFalse((self.dir / 'in.txt').exists())

    def test_converts_euc_jp_to_shift_jis(self):
        self.write('in.txt', '日本語のテキスト ｱﾝﾃﾅ\r\n'.encode('euc_jp'))
        p = self.mojiro('in.txt', 'out.txt')
        self.assertEqual((p.returncode, p.stdout), (0, b''))
        self.assertEqual((self.dir / 'out.txt').read_bytes(), '日本語のテキスト ｱﾝﾃﾅ\r\n'.encode('cp932'))

    def test_missing_input_empties_existing_output(self):
        out = self.write('out.txt', b'old result')
        p = self.mojiro('missing.txt', 'out.txt')
        self.assertEqual(p.returncode, 0)
        self.assertEqual(out.read_bytes(), b'')

    def test_read_only_input_leaves_output_empty(self):
        src = self.write('in.txt', 'テスト'.encode('utf-8'))
        out = self.write('out.txt', b'old result')
        subprocess.run(['chattr', '+i', str(src)], check=True)
        try:
            p = self.mojiro('in.txt', 'out.txt')
        finally:
            subprocess.run(['chattr', '-i', str(src)], check=True)
        self.assertEqual(p.returncode, 0)
        self.assertEqual(out.read_bytes(), b'')
        self.assertEqual(src.read_bytes(), 'テスト'.encode('utf-8'))

    def test_empty_input_gives_empty_output(self):
        self.write('in.txt', b'')
        p = self.mojiro('in.txt', 'out.txt')
        self.assertEqual(p.returncode, 0)
        self.assertEqual((self.dir / 'out.txt').read_bytes(), b'')

    def test_converter_result_of_zero_gives_empty_output(self):
        # Only a byte-order mark, and only escape sequences: nothing to write.
        for data in (b'\xef\xbb\xbf', b'\x1b$B\x1b(B'):
            with self.subTest(data=data):
                self.write('in.txt', data)
                self.write('out.txt', b'old result')
                p = self.mojiro('in.txt', 'out.txt')
                self.assertEqual(p.returncode, 0)
                self.assertTrue((self.dir / 'out.txt').exists())
                self.assertEqual((self.dir / 'out.txt').read_bytes(), b'')

    def test_output_that_cannot_be_created(self):
        src = self.write('in.txt', b'abc')
        p = self.mojiro('in.txt', 'no-such-dir\\out.txt')
        self.assertEqual(p.returncode, 0)
        self.assertEqual(src.read_bytes(), b'abc')

    def test_input_of_512_mib_is_refused(self):
        big = self.dir / 'big.txt'
        with open(big, 'wb') as f:
            f.truncate(512 * 1024 * 1024)  # sparse: no disk used
        self.write('out.txt', b'old result')
        p = self.mojiro('big.txt', 'out.txt')
        self.assertEqual(p.returncode, 0)
        self.assertEqual((self.dir / 'out.txt').read_bytes(), b'')

    def test_japanese_file_names(self):
        self.write('入力.txt', 'アンテナ'.encode('iso2022_jp'))
        p = self.mojiro('入力.txt', '出力.txt')
        self.assertEqual(p.returncode, 0)
        self.assertEqual((self.dir / '出力.txt').read_bytes(), 'アンテナ'.encode('cp932'))

    def test_does_not_start_without_nuvel_dll(self):
        (self.dir / 'nuvel.dll').unlink()
        self.write('in.txt', b'abc')
        p = self.mojiro('in.txt', 'out.txt')
        self.assertNotEqual(p.returncode, 0)
        self.assertFalse((self.dir / 'out.txt').exists())


if __name__ == '__main__':
    unittest.main(verbosity=2)
