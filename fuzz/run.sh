#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60), two at a time, on a
# working corpus seeded from fuzz/seeds/<target>. A target fails when it crashes, times out, runs out of
# memory or any sanitizer reports something (reports are fatal in this build, and the log is searched as
# well in case one was not). Inputs that fail land in fuzz/crashes/; each one must become a regression
# test and a seed.
# Usage: fuzz/run.sh [SECONDS] [TARGET...]
#        fuzz/run.sh --check-planted   shows that a planted sanitizer report fails a run
set -euo pipefail
cd "$(dirname "$0")/.."
planted=0
if [ "${1:-}" = "--check-planted" ]; then planted=1; shift; fi
seconds="${1:-60}"
shift || true
scripts/deps.sh clang-14 libclang-rt-14-dev
build=build-fuzz
CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNADESK_CORE_ONLY=ON \
  -DVORNADESK_FUZZ=ON >/dev/null
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_config fuzz_package fuzz_zip fuzz_bmp fuzz_icon fuzz_ani fuzz_png fuzz_tga)
[ $planted = 0 ] || targets=(fuzz_planted)
ninja -C "$build" -j "$(nproc)" "${targets[@]}"
mkdir -p fuzz/crashes fuzz/logs
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export ASAN_OPTIONS="abort_on_error=0:detect_leaks=1"
report_pattern='runtime error:|ERROR: AddressSanitizer|ERROR: LeakSanitizer|SUMMARY: UndefinedBehaviorSanitizer|ERROR: libFuzzer'
run() {
  local t="$1" corpus="fuzz/corpus-${1#fuzz_}"
  mkdir -p "$corpus"
  [ -d "fuzz/seeds/${t#fuzz_}" ] && cp -n fuzz/seeds/"${t#fuzz_}"/* "$corpus"/ 2>/dev/null || true
  local status=0
  "$build/fuzz/$t" "$corpus" -max_total_time="$seconds" -rss_limit_mb=4096 -max_len=1048576 -timeout=60 \
    -artifact_prefix="fuzz/crashes/$t-" -print_final_stats=1 > "fuzz/logs/$t.log" 2>&1 || status=$?
  local cov execs reports
  cov=$(grep -o 'cov: [0-9]*' "fuzz/logs/$t.log" | tail -1 || true)
  execs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "fuzz/logs/$t.log" | grep -o '[0-9]*$' || true)
  reports=$(grep -cE "$report_pattern" "fuzz/logs/$t.log" || true)
  [ "$reports" = 0 ] || [ $status != 0 ] || status=1
  echo "$t: exit $status, ${execs:-?} executions, ${cov:-cov: ?}, ${reports} sanitizer reports (log fuzz/logs/$t.log)"
  return $status
}
failed=0
pids=()
for t in "${targets[@]}"; do
  run "$t" & pids+=($!)
  if [ ${#pids[@]} -ge "$(nproc)" ]; then wait "${pids[0]}" || failed=1; pids=("${pids[@]:1}"); fi
done
for p in "${pids[@]}"; do wait "$p" || failed=1; done
if [ $planted = 1 ]; then
  rm -f fuzz/crashes/fuzz_planted-*
  if [ $failed = 1 ]; then echo "the planted report failed the run, as it must"; exit 0; fi
  echo "the planted report went unnoticed" >&2
  exit 1
fi
exit $failed
