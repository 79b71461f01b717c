#!/usr/bin/env python3
"""Whole-process time of mojiro.exe under Wine on a 200 KB Japanese page.

Usage: mojiro_time.py <windows-x64 build dir>   (its Wine bench started with
testing/bench.sh start <dir>). Builds the page from the manpages-ja corpus in
UTF-8, EUC-JP and Shift_JIS, runs the tool 20 times on each and prints the
fastest and the median run, beside iconv and nkf run natively on the same
page. Prints figures only; it never fails on a time.
"""
import os
import pathlib
import statistics
import subprocess
import sys
import time

build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else 'build/windows-x64').resolve()
os.environ.setdefault('VESK_BUILD', str(build))
os.environ.setdefault('VESK_WINE', str(build / 'wine-run.sh'))
source = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(source / 'testing/pylib'))
import winebench as wb  # noqa: E402

RUNS = 20
PAGE_BYTES = 200 * 1024


def timed(args, **kw):
    start = time.perf_counter()
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, **kw)
    return time.perf_counter() - start


def figures(times):
    return 'min %6.1f ms  median %6.1f ms' % (min(times) * 1e3, statistics.median(times) * 1e3)


def main():
    corpus = build / 'converter' / 'corpus'
    subprocess.run(['/usr/bin/python3', str(source / 'nuvel/tests/oracle/make_corpus.py'), str(corpus),
                    '--bytes', '300000'], check=True)
    lines = (corpus / 'text.utf8').read_bytes().decode('utf-8').splitlines(keepends=True)
    with wb.temp_dir('mojiro-time') as d:
        wb.install(['mojiro.exe', 'nuvel.dll'], d)
        for name, codec in (('UTF-8', 'utf-8'), ('EUC-JP', 'euc_jp'), ('Shift_JIS', 'cp932')):
            data = bytearray()
            for line in lines:  # whole lines up to 200 KB in this encoding
                encoded = line.encode(codec)
                if len(data) + len(encoded) > PAGE_BYTES:
                    break
                data += encoded
            (d / 'in.txt').write_bytes(data)
            tool = [timed([wb.WINE, str(d / 'mojiro.exe'), 'in.txt', 'out.txt'], cwd=d) for _ in range(RUNS)]
            iconv = [timed(['iconv', '-f', name.replace('Shift_JIS', 'CP932'), '-t', 'CP932', str(d / 'in.txt')])
                     for _ in range(RUNS)]
            nkf = [timed(['nkf', '-x', '--oc=CP932', str(d / 'in.txt')]) for _ in range(RUNS)]
            print('%-9s %6d bytes | mojiro under Wine %s | iconv %s | nkf %s'
                  % (name, len(data), figures(tool), figures(iconv), figures(nkf)))


if __name__ == '__main__':
    main()
