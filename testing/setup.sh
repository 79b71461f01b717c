#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine (run as root).
# Idempotent: packages already present are not fetched again, and the
# Japanese locale is generated only once.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev
  mingw-w64 g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64
  wine64 xvfb xauth x11-utils imagemagick locales fonts-ipafont-gothic
  python3 python3-pyftpdlib libgtest-dev libbenchmark-dev
  nkf uchardet curl manpages-ja zip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# wine32 makes the wine wrapper pick the 32-bit loader, which these machines
# cannot execute; the project only ever runs 64-bit Windows programs.
if dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q 'install ok installed'; then
  echo "setup: removing wine32 (32-bit Linux binaries cannot run here)"
  apt-get remove -y -q wine32
fi

# Without the glibc locale Wine strips Japanese text in file names and
# command lines to 7 bits.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
