"""mojiro.exe under Wine on real Japanese text (manpages-ja) in each input
encoding, detected by the library: the output equals glibc iconv's code page
932 output byte for byte. Also: Shift_JIS that is valid code page 932,
NEC-selected IBM extensions included, passes through unchanged."""
import subprocess
import unittest

import winebench as wb

ENCODINGS = ['utf8', 'eucjp', 'iso2022jp', 'sjis', 'utf16']


class MojiroEndToEnd(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.corpus = wb.BUILD / 'converter' / 'corpus'
        subprocess.run(['/usr/bin/python3', str(wb.SOURCE / 'nuvel/tests/oracle/make_corpus.py'),
                        str(cls.corpus), '--bytes', '300000'], check=True)

    def test_each_encoding_matches_iconv(self):
        with wb.temp_dir('mojiro-e2e') as d:
            wb.install(['mojiro.exe', 'nuvel.dll'], d)
            for enc in ENCODINGS:
                with self.subTest(encoding=enc):
                    (d / 'in.txt').write_bytes((self.corpus / ('text.' + enc)).read_bytes())
                    p = wb.run(d / 'mojiro.exe', 'in.txt', 'out.txt', cwd=d)
                    self.assertEqual(p.returncode, 0)
                    got = (d / 'out.txt').read_bytes()
                    want = (self.corpus / ('want.' + enc)).read_bytes()
                    self.assertGreater(len(want), 200000)
                    if got != want:
                        at = next((i for i, (a, b) in enumerate(zip(got, want)) if a != b), min(len(got), len(want)))
                        self.fail('%d bytes, want %d; first difference at %d: %r vs %r' %
                                  (len(got), len(want), at, got[at:at + 8], want[at:at + 8]))

    def test_nec_selected_ibm_extensions_pass_through(self):
        # 纊 and ⅰ in both their IBM and NEC-selected codes, ①, ｱﾝﾃﾅ, 表.
        text = (b'<p>\xed\x40\xfa\x5c \xee\xef\xfa\x40 \x87\x40 \xb1\xdd\xc3\xc5 \x95\x5c</p>\r\n') * 50
        with wb.temp_dir('mojiro-sjis') as d:
            wb.install(['mojiro.exe', 'nuvel.dll'], d)
            (d / 'in.txt').write_bytes(text)
            wb.run(d / 'mojiro.exe', 'in.txt', 'out.txt', cwd=d)
            self.assertEqual((d / 'out.txt').read_bytes(), text)


if __name__ == '__main__':
    unittest.main(verbosity=2)
