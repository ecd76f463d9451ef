#!/usr/bin/env bash
# Runs every benchmark of the given build folder; each prints the system beside its reference.
set -euo pipefail
build=$1
for bench in "$build"/bench/bench_*; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench" --benchmark_counters_tabular=true
done
