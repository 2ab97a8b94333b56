#!/usr/bin/env bash
# Runs every Google Benchmark program of a build tree.
set -euo pipefail
build=$1
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for b in "$build"/bench/bench_*; do
  [[ -f "$b" && -x "$b" ]] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.5
done
