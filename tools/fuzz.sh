#!/usr/bin/env bash
# Builds the typed-number fuzz target with clang's libFuzzer and sanitizers, then runs it.
# Usage: tools/fuzz.sh [seconds]   (default 600). Prints executions and any finding.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
out=${FUZZ_OUT:-$root/build/fuzz}
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root/core" "$root/tests/fuzz/fuzz_whole_number.cpp" "$root/core/WholeNumber.cpp" \
  -o "$out/fuzz_whole_number"
cp -n "$root"/tests/fuzz/corpus/* "$out/corpus/" 2>/dev/null || true
cd "$out"
"$out/fuzz_whole_number" -max_total_time="$seconds" -max_len=64 -print_final_stats=1 \
  corpus 2>&1 | tee "$out/last_run.log" | grep -E "stat::number_of_executed_units|stat::peak_rss|Done|ERROR|disagreement|SUMMARY" || true
# libFuzzer exits non-zero on a finding; make that the script's result too.
! grep -q -E "ERROR|disagreement|SUMMARY: (Address|Undefined)" "$out/last_run.log"
