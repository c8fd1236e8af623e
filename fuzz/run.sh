#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60), two at a time, on a
# working corpus seeded from fuzz/seeds/<target>. Crashes land in fuzz/crashes/; each one found must become
# a regression test.
# Usage: fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
scripts/deps.sh clang-14 libclang-rt-14-dev
build=build-fuzz
CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNADESK_CORE_ONLY=ON \
  -DVORNADESK_FUZZ=ON >/dev/null
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_config fuzz_package fuzz_zip fuzz_bmp fuzz_icon fuzz_ani fuzz_png fuzz_tga)
ninja -C "$build" -j "$(nproc)" "${targets[@]}"
mkdir -p fuzz/crashes fuzz/logs
run() {
  local t="$1" corpus="fuzz/corpus-${1#fuzz_}"
  mkdir -p "$corpus"
  [ -d "fuzz/seeds/${t#fuzz_}" ] && cp -n fuzz/seeds/"${t#fuzz_}"/* "$corpus"/ 2>/dev/null || true
  local status=0
  "$build/fuzz/$t" "$corpus" -max_total_time="$seconds" -rss_limit_mb=4096 -max_len=1048576 -timeout=60 \
    -artifact_prefix="fuzz/crashes/$t-" -print_final_stats=1 > "fuzz/logs/$t.log" 2>&1 || status=$?
  local cov execs
  cov=$(grep -o 'cov: [0-9]*' "fuzz/logs/$t.log" | tail -1)
  execs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "fuzz/logs/$t.log" | grep -o '[0-9]*$')
  echo "$t: exit $status, ${execs:-?} executions, ${cov:-cov: ?}"
  return $status
}
failed=0
pids=()
for t in "${targets[@]}"; do
  run "$t" & pids+=($!)
  if [ ${#pids[@]} -ge "$(nproc)" ]; then wait "${pids[0]}" || failed=1; pids=("${pids[@]:1}"); fi
done
for p in "${pids[@]}"; do wait "$p" || failed=1; done
exit $failed
