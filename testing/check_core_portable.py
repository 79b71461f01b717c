#!/usr/bin/env python3
"""Fails when a portable core file includes a Windows header.

The core folders (*/core/) are compiled natively and unit-tested on Linux;
everything that needs Windows belongs in the win/ folders beside them.
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
forbidden = re.compile(r'^\s*#\s*include\s*[<"](windows|wininet|winsock2?|ws2tcpip|shellapi|winuser|winbase)\.h[>"]',
                       re.IGNORECASE | re.MULTILINE)
bad = []
for path in sorted(root.glob('*/core/**/*')):
    if path.suffix in ('.h', '.hpp', '.cpp', '.c') and forbidden.search(path.read_text(errors='replace')):
        bad.append(str(path.relative_to(root)))
if bad:
    print('Windows headers in portable core files:\n  ' + '\n  '.join(bad))
    sys.exit(1)
print('core files are portable')
