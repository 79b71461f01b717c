#!/usr/bin/env bash
# The main job: builds everything, then runs a real check under Wine against
# a local antenna page with the host shell stand-in, and shows what the
# mascot was asked to say, the menu, the store files and the opened address.
set -euo pipefail
cd "$(dirname "$0")"
bash testing/setup.sh
for preset in native windows-x64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
testing/bench.sh start build/windows-x64
trap 'testing/bench.sh stop build/windows-x64' EXIT
/usr/bin/python3 testing/demo/main_job.py
