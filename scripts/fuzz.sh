#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each of them
# for the given number of seconds (default 30), both at once, on a fresh copy
# of its seed corpus in tests/fuzz/corpus/<target>/.
#
# An input that breaks a property is written to
# build-fuzz/fuzz/work/<target>/crashes/; copy it into
# tests/fuzz/regressions/<target>/ so that the ordinary test suite replays it
# (fuzz_replay_test) once the fault is fixed.
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
targets=(regfile cp932)

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUNPEKO_FUZZ=ON -DZUNPEKO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "${ZUNPEKO_JOBS:-2}" \
  --target "${targets[@]/#/zunpeko_fuzz_}"

# Third-party leak noise only; see the file.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
# A smaller quarantine and no filling of new blocks: half again as many inputs
# a second on this machine, and the sanitizers still catch what they catch.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=16:max_malloc_fill_size=0}"

pids=()
for target in "${targets[@]}"; do
  work="$build/fuzz/work/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/crashes"
  cp "$root/tests/fuzz/corpus/$target/"* "$work/corpus/"
  dict=()
  [[ -f "$root/tests/fuzz/$target.dict" ]] && dict=("-dict=$root/tests/fuzz/$target.dict")
  "$build/fuzz/zunpeko_fuzz_$target" "$work/corpus" "${dict[@]}" \
    -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/crashes/" >"$work/log" 2>&1 &
  pids+=($!)
done

status=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  work="$build/fuzz/work/$target"
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    echo "fuzz: $target: ${runs:-?} inputs in ${seconds} s, no property broken"
  else
    status=1
    echo "fuzz: $target FAILED; its log ($work/log) ends:"
    tail -n 40 "$work/log"
    echo "fuzz: the input is in $work/crashes/"
  fi
done
exit "$status"
