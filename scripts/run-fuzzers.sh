#!/usr/bin/env bash
# Runs every libFuzzer target of the given build folder for the given number of seconds.
set -euo pipefail
build=$1
seconds=${2:-60}
status=0
for fuzzer in "$build"/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  echo "== $name ($seconds s)"
  if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=0 "$corpus" 2>"$build/$name.log"; then
    echo "$name found a problem; see $build/$name.log"
    status=1
  fi
done
exit $status
