#!/usr/bin/env bash
# The main job: builds everything and shows what the plug-in does.
set -euo pipefail
cd "$(dirname "$0")"
bash testing/setup.sh
for preset in native windows-x64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
exec /usr/bin/python3 testing/demo/main_job.py
