#!/usr/bin/env python3
"""Builds the real-text corpus of the converter's oracle tests and benchmark.

Usage: make_corpus.py <outdir> [--bytes N]

Takes the Japanese manual pages of Debian's manpages-ja (UTF-8 roff text),
keeps the lines whose characters glibc can write in every encoding we test,
repeats the pages until the text holds about N bytes, and writes with glibc
iconv:
  text.utf8 text.eucjp text.iso2022jp text.sjis text.utf16   (the inputs)
  want.utf8 want.eucjp want.iso2022jp want.sjis want.utf16   (iconv -t CP932)
want.sjis is text.sjis itself: valid code page 932 passes through unchanged.
Does nothing when <outdir>/done names the same size already.
"""
import argparse
import gzip
import pathlib
import subprocess
import sys

MAN_ROOT = pathlib.Path('/usr/share/man/ja')
TARGETS = {'eucjp': 'EUC-JP', 'iso2022jp': 'ISO-2022-JP', 'sjis': 'CP932', 'utf16': 'UTF-16'}


def iconv(data, from_code, to_code, lossy=False):
    args = ['iconv', '-f', from_code, '-t', to_code] + (['-c'] if lossy else [])
    p = subprocess.run(args, input=data, capture_output=True)
    if p.returncode != 0 and not lossy:
        sys.exit('iconv %s -> %s failed: %s' % (from_code, to_code, p.stderr.decode(errors='replace')))
    return p.stdout


def page_lines():
    for path in sorted(MAN_ROOT.glob('**/*.gz')):
        try:
            text = gzip.decompress(path.read_bytes()).decode('utf-8')
        except (OSError, UnicodeDecodeError):
            continue
        yield from text.splitlines(keepends=True)


def convertible_chars(lines):
    """Non-ASCII characters that glibc converts to every target encoding."""
    chars = sorted({c for line in lines for c in line if ord(c) >= 0x80})
    probe = ''.join('%06X%s\n' % (ord(c), c) for c in chars).encode('utf-8')
    ok = set(chars)
    for code in TARGETS.values():
        out = iconv(probe, 'UTF-8', code, lossy=True)
        back = iconv(out, code, 'UTF-8', lossy=True).decode('utf-8', 'replace')
        good = {chr(int(line[:6], 16)) for line in back.splitlines() if len(line) > 6}
        ok &= good
    return ok


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('outdir')
    ap.add_argument('--bytes', type=int, default=1_000_000)
    args = ap.parse_args()
    out = pathlib.Path(args.outdir)
    done = out / 'done'
    if done.exists() and done.read_text() == str(args.bytes):
        return
    out.mkdir(parents=True, exist_ok=True)

    lines = list(page_lines())
    if not lines:
        sys.exit('no pages under %s (is manpages-ja installed?)' % MAN_ROOT)
    ok = convertible_chars(lines)
    kept = [line for line in lines if all(ord(c) < 0x80 or c in ok for c in line)]
    text = bytearray()
    while len(text) < args.bytes:
        for line in kept:
            text += line.encode('utf-8')
            if len(text) >= args.bytes:
                break
    text = bytes(text)

    (out / 'text.utf8').write_bytes(text)
    (out / 'want.utf8').write_bytes(iconv(text, 'UTF-8', 'CP932'))
    for name, code in TARGETS.items():
        encoded = iconv(text, 'UTF-8', code)
        (out / ('text.' + name)).write_bytes(encoded)
        want = encoded if name == 'sjis' else iconv(encoded, code, 'CP932')
        (out / ('want.' + name)).write_bytes(want)
    done.write_text(str(args.bytes))


if __name__ == '__main__':
    main()
