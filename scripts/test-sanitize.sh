#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, together with the fuzz targets) into build-sanitize/, and runs every test that way.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="${SANITIZE_BUILD_DIR:-$root/build-sanitize}"
CC=clang CXX=clang++ BUILD_DIR="$build" "$root/scripts/build.sh" -DZZ_FUZZ=ON
cd "$build"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
if ctest --output-on-failure -j "$(nproc)" "$@"; then
  exit 0
fi

# LeakSanitizer stops every thread of a process for its exit-time check, and its tracer now and
# then crashes doing so ("Tracer caught signal 11"): a fault of the sanitizer runtime, not a leak and
# not a failed test. A test that failed with that alone runs once more; any other failure stands.
crashed=$(awk '
  function close_section() { if (name != "" && tracer && !failedCase) print name }
  /^[0-9]+\/[0-9]+ Testing: / { close_section(); name = $3; tracer = 0; failedCase = 0 }
  /LeakSanitizer has encountered a fatal error/ { tracer = 1 }
  /^FAIL!  :/ { failedCase = 1 }
  END { close_section() }
' Testing/Temporary/LastTest.log | sort -u)
failed=$(cut -d: -f2- Testing/Temporary/LastTestsFailed.log | sort -u)
if [ -z "$failed" ] || [ -n "$(comm -23 <(echo "$failed") <(echo "$crashed"))" ]; then
  exit 1
fi
pattern="^($(paste -sd '|' <<<"$failed"))\$"
echo "LeakSanitizer's tracer crashed at the exit of: $(paste -sd ' ' <<<"$failed"); running them once more."
ctest --output-on-failure -R "$pattern"
