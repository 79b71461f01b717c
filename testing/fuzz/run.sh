#!/usr/bin/env bash
# Builds the libFuzzer targets of the portable cores and runs each one.
#   testing/fuzz/run.sh --brief        a few seconds per target (the test run)
#   testing/fuzz/run.sh --seconds N    N seconds per target, as long as one wants
#   testing/fuzz/run.sh --seconds N fuzz_page   only the named targets
# New inputs that widen coverage are kept in build/fuzz/corpus/<target>; the
# checked-in seeds in testing/fuzz/seeds/<target> are only read. A crash
# leaves its input in build/fuzz/crashes/ and makes the run fail.
set -uo pipefail
cd "$(dirname "$0")/../.."

seconds=600
case "${1:-}" in
  --brief) seconds=${VESK_FUZZ_SECONDS:-8}; shift ;;
  --seconds) seconds=${2:?}; shift 2 ;;
esac

cmake --preset fuzz >/dev/null || exit 1
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(sed -n 's/^ *vesk_add_fuzzer(\([a-z0-9_]*\).*/\1/p' testing/fuzz/CMakeLists.txt)
fi
cmake --build --preset fuzz --target "${targets[@]}" || exit 1

status=0
mkdir -p build/fuzz/crashes
for t in "${targets[@]}"; do
  corpus=build/fuzz/corpus/$t
  mkdir -p "$corpus"
  seeds=testing/fuzz/seeds/$t
  [ -d "$seeds" ] || seeds=
  echo "fuzz: $t for ${seconds}s"
  if ! build/fuzz/bin/"$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -artifact_prefix=build/fuzz/crashes/"$t"- -print_final_stats=1 "$corpus" $seeds \
        > build/fuzz/"$t".log 2>&1; then
    echo "fuzz: $t FAILED; see build/fuzz/$t.log and build/fuzz/crashes/"
    tail -40 build/fuzz/"$t".log
    status=1
  else
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' build/fuzz/"$t".log | tail -1
  fi
done
[ $status -eq 0 ] && echo "fuzz: all targets ran clean"
exit $status
