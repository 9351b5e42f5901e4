#!/usr/bin/env bash
# The checked half of the tests, after the normal build and suite: the whole
# suite once more under AddressSanitizer and UndefinedBehaviorSanitizer (any
# undefined behaviour fails), a short run of the page fuzzer on the sample
# pages, and a short GUI soak on a virtual display. With PEMRO_SWEEP_LONG=1
# it also runs the long form of the state sweep on the normal build (the
# smallest, the largest and a tall window, every step thirty times and back,
# each pair of a figure's buttons): about half an hour of processor time,
# so not on every run.
#   tools/checked_test.sh [JOBS]
# PEMRO_FUZZ_SECONDS (60) and PEMRO_SOAK_CLICKS (1000) lengthen the runs.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${1:-2}
fuzz_seconds=${PEMRO_FUZZ_SECONDS:-60}
soak_clicks=${PEMRO_SOAK_CLICKS:-1000}
build=build-asan

step() { echo "== $* ($(date +%T))"; }

step "checked build (clang, ASan + UBSan, fuzzer)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DPEMRO_FUZZ=ON >/dev/null
ninja -C "$build" -j "$jobs"

step "tests under the sanitizers"
export UBSAN_OPTIONS=print_stacktrace=1
if ! (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"); then
  # LeakSanitizer's own tracer can crash at a test's exit ("LeakSanitizer
  # has encountered a fatal error" after the test passed): it walks a bogus
  # dynamic-TLS range of a library the print path loads. When that is every
  # failure, those tests run once more with the leak check but without the
  # dynamic-TLS tracking; any other failure stands.
  failed=$(grep -c . "$build/Testing/Temporary/LastTestsFailed.log" || true)
  tracer=$(grep -c "LeakSanitizer has encountered a fatal error" \
             "$build/Testing/Temporary/LastTest.log" || true)
  if [ "$failed" -eq 0 ] || [ "$tracer" -lt "$failed" ]; then exit 1; fi
  step "the $failed test(s) the leak tracer stopped, once more without dynamic-TLS tracking"
  (cd "$build" && ASAN_OPTIONS=intercept_tls_get_addr=0 QT_QPA_PLATFORM=offscreen \
     ctest --rerun-failed --output-on-failure -j "$jobs")
fi

if [ "${PEMRO_SWEEP_LONG:-0}" = 1 ]; then
  step "long state sweep"
  # Its faults are listed with the others in tests/state_sweep_known.tsv
  # (tools/sweep_known.sh --long writes them); PEMRO_SWEEP_OUT=DIR keeps each
  # state's time for tools/sweep_slowest.sh.
  (cd build && QT_QPA_PLATFORM=offscreen \
     ctest -R 'StateSweepLong\.' --output-on-failure -j "$jobs")
fi

step "fuzzing for ${fuzz_seconds}s"
# It starts from the kept corpus (fuzz/corpus: earlier campaigns merged to a
# minimal set) and the seeds; new inputs go to a scratch corpus; a crash is
# written next to the fuzzer. Inputs may be as long as the longest sample
# page. Leaks are left to the suite above: Qt's and fontconfig's caches
# would be blamed on whichever input first filled them.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
max_len=$(find "$build/run" -name '*.txt' -printf '%s\n' | sort -n | tail -1)
status=0
"$build/fuzz/fuzz-page" -dict="$build/fuzz/page.dict" -max_total_time="$fuzz_seconds" \
    -timeout=60 -detect_leaks=0 -max_len="${max_len:-4096}" -rss_limit_mb=3000 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz/" \
    "$work/corpus" fuzz/corpus "$build/fuzz/seed" >"$work/fuzz.log" 2>&1 ||
  status=$?
grep -E "^#[0-9]+[[:space:]]+(INITED|DONE)|number_of_executed_units" "$work/fuzz.log" || true
if [ "$status" -ne 0 ]; then
  tail -60 "$work/fuzz.log" >&2
  echo "fuzzing found a failure; the input is in $build/fuzz/" >&2
  exit 1
fi

step "GUI soak: ${soak_clicks} clicks"
tools/soak.sh "$build" "$soak_clicks" 900 | grep -v "^soak: command"
step "checked tests passed"
