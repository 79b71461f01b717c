#!/usr/bin/env bash
# Builds the 32-bit release and packs it: dist/veskchk-<version>.zip with
# the four binaries, the default plug-in list (timed check on) and the
# Japanese readme, both in Shift_JIS with CR LF line ends as Windows users
# expect. The binaries' import and export tables are checked first.
set -euo pipefail
cd "$(dirname "$0")"
bash testing/setup.sh
# A fresh configure, so the release flags of the toolchain always apply.
cmake --preset windows-x86 --fresh >/dev/null
cmake --build --preset windows-x86
ctest --preset windows-x86 -R pe_tables

version=$(sed -n 's/^project(vesk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
for f in veskchk.exe qvftp.dll mojiro.exe nuvel.dll; do
  cp build/windows-x86/bin/$f "$stage/"
done
for f in npplugin.txt readme.txt; do
  sed 's/$/\r/' packaging/$f | iconv -f UTF-8 -t CP932 > "$stage/$f"
done
mkdir -p dist
rm -f dist/veskchk-$version.zip
(cd "$stage" && zip -q -X "$OLDPWD/dist/veskchk-$version.zip" veskchk.exe qvftp.dll mojiro.exe nuvel.dll npplugin.txt readme.txt)
unzip -l dist/veskchk-$version.zip
for f in veskchk.exe qvftp.dll mojiro.exe nuvel.dll; do
  printf '%s: ' "$f"; file -b "$stage/$f" 2>/dev/null || i686-w64-mingw32-objdump -f "$stage/$f" | grep format
done
