#!/usr/bin/env python3
"""Checks a PE file's machine, exports and imports with objdump -p.

Used for the i686 release build, which cannot run on this machine.
  check_pe_tables.py --objdump OBJDUMP --machine x86 [--export NAME]...
                     [--import DLL:NAME]... [--only-exports] FILE
"""
import argparse
import re
import subprocess
import sys


def parse(text):
    exports, imports, dll = [], [], None
    section = None
    for line in text.splitlines():
        if line.startswith('[Ordinal/Name Pointer] Table'):
            section = 'exports'
            continue
        if line.startswith('The Import Tables'):
            section = 'imports'
            continue
        if section == 'exports':
            m = re.match(r'\s*\[\s*\d+\]\s+(\S+)', line)
            if m:
                exports.append(m.group(1))
            elif line.strip() == '':
                section = None
        elif section == 'imports':
            m = re.match(r'\s*DLL Name:\s*(\S+)', line)
            if m:
                dll = m.group(1).lower()
                continue
            m = re.match(r'\s*[0-9a-f]+\s+\d+\s+(\S+)\s*$', line)
            if m and dll:
                imports.append(f'{dll}:{m.group(1)}')
        if line.startswith('The Export Tables'):
            section = None
    return exports, imports


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--objdump', required=True)
    ap.add_argument('--machine', required=True)
    ap.add_argument('--export', action='append', default=[])
    ap.add_argument('--import', dest='imports', action='append', default=[])
    ap.add_argument('--only-exports', action='store_true')
    ap.add_argument('--version-info', action='store_true', help='the file carries a version resource')
    ap.add_argument('file')
    a = ap.parse_args()
    text = subprocess.run([a.objdump, '-p', a.file], check=True, capture_output=True, text=True).stdout
    failures = []
    want_magic = {'x86': 'i386', 'x86_64': 'x86-64'}.get(a.machine, a.machine)
    fmt = re.search(r'file format (\S+)', subprocess.run([a.objdump, '-f', a.file], capture_output=True,
                                                         text=True).stdout)
    if not fmt or want_magic not in fmt.group(1):
        failures.append(f'file format {fmt.group(1) if fmt else "?"} is not {a.machine}')
    exports, imports = parse(text)
    for e in a.export:
        if e not in exports:
            failures.append(f'missing export {e}')
    if a.only_exports and sorted(exports) != sorted(a.export):
        failures.append(f'exports are {sorted(exports)}, expected exactly {sorted(a.export)}')
    if a.version_info:
        data = open(a.file, 'rb').read()
        if 'VS_VERSION_INFO'.encode('utf-16-le') not in data or 'FileVersion'.encode('utf-16-le') not in data:
            failures.append('no version resource')
    for i in a.imports:
        if i.lower() not in (x.lower() for x in imports):
            failures.append(f'missing import {i}')
    print(f'{a.file}: exports {exports}')
    print(f'imports: {", ".join(x for x in imports if not x.startswith(("kernel32", "msvcrt")))}')
    if failures:
        print('\n'.join(failures))
        sys.exit(1)


if __name__ == '__main__':
    main()
