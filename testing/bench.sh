#!/usr/bin/env bash
# The Wine test bench of one build tree: a Wine prefix made once and reused,
# an Xvfb display, a persistent wineserver, the browser recorder registered
# for http and https. "start" prepares it and writes <build>/wine-bench.env,
# which the build's wine-run.sh reads; "stop" ends everything start began.
set -euo pipefail

cmd=${1:?usage: bench.sh start|stop <build-dir>}
build=$(cd "${2:?usage: bench.sh start|stop <build-dir>}" && pwd)
env_file=$build/wine-bench.env
prefix=$build/wineprefix

export WINEPREFIX=$prefix WINEDEBUG=-all LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="

winpath() { printf 'Z:%s' "${1//\//\\}"; }

stop() {
  if [ -f "$env_file" ]; then
    # shellcheck disable=SC1090
    . "$env_file"
    wineserver -k 2>/dev/null || true
    [ -n "${VESK_XVFB_PID:-}" ] && kill "$VESK_XVFB_PID" 2>/dev/null || true
    rm -f "$env_file"
  fi
}

start() {
  stop
  if [ ! -f "$prefix/.vesk-ready" ]; then
    echo "bench: creating Wine prefix $prefix"
    rm -rf "$prefix"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.vesk-ready"
  fi

  local n=87
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  local xpid=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  export DISPLAY=":$n"

  cat > "$env_file" <<ENV
export DISPLAY=:$n
export WINEPREFIX=$prefix
VESK_XVFB_PID=$xpid
ENV
  wineserver -p

  # Addresses handed to the shell's "open" verb reach the recorder, which
  # writes them to the file named by VESK_RECORDER_LOG.
  local rec=$build/bin/browser_recorder.exe
  if [ -f "$rec" ]; then
    local value="\"$(winpath "$rec")\" \"%1\""
    for scheme in http https; do
      wine reg add "HKCU\\Software\\Classes\\$scheme\\shell\\open\\command" /ve /d "$value" /f >/dev/null 2>&1
      wine reg add "HKLM\\Software\\Classes\\$scheme\\shell\\open\\command" /ve /d "$value" /f >/dev/null 2>&1
    done
  fi
  echo "bench: Wine ready on display :$n"
}

case "$cmd" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: bench.sh start|stop <build-dir>" >&2; exit 2 ;;
esac
