#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) into
# build-sanitize/ (the build of scripts/test-sanitize.sh) and runs each for a while.
#   scripts/fuzz.sh [seconds per target] [target ...]
# Seeds are made fresh by the program itself; what a target learns is kept in
# build-sanitize/corpus/<target>/, and every finding lands in build-sanitize/findings/<target>/.
# Every target has a dictionary, fuzz/<target>.dict, of its format's names, markers and numbers at
# the limits: without one a short run rarely builds the inputs that reach the deeper faults.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift || true
"$root/scripts/install-deps.sh"
build="${SANITIZE_BUILD_DIR:-$root/build-sanitize}"
CC=clang CXX=clang++ BUILD_DIR="$build" "$root/scripts/build.sh" -DZZ_FUZZ=ON

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for t in "$build"/fuzz/fuzz_*; do
    if [ -f "$t" ] && [ -x "$t" ]; then targets+=("$(basename "$t" | sed 's/^fuzz_//')"); fi
  done
fi

seeds="$build/seeds"
rm -rf "$seeds"
ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/fuzz-seeds" "$seeds"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:malloc_limit_mb=2048}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/scripts/lsan-fuzz-suppressions.txt:print_suppressions=0}"
# Any finding of UndefinedBehaviorSanitizer stops the target (options given later win).
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1:halt_on_error=1"

failed=0
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  findings="$build/findings/$t"
  dict="$root/fuzz/$t.dict"
  mkdir -p "$corpus" "$findings" "$seeds/$t"
  if [ ! -f "$dict" ]; then
    echo "fuzz_$t: no dictionary $dict"
    failed=1
    continue
  fi
  echo "== fuzz_$t for ${seconds}s"
  if ! "$build/fuzz/fuzz_$t" "$corpus" "$seeds/$t" -dict="$dict" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -max_len=200000 -print_final_stats=1 -artifact_prefix="$findings/" 2>"$build/fuzz_$t.log"; then
    echo "fuzz_$t: FINDING (see $build/fuzz_$t.log and $findings/)"
    tail -40 "$build/fuzz_$t.log"
    failed=1
  else
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz_$t.log" | sed "s/^/fuzz_$t: /"
  fi
done
exit $failed
