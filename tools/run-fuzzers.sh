#!/usr/bin/env bash
# Runs every libFuzzer target of a build tree for a number of seconds each.
set -euo pipefail
build=$1; seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
for f in "$build"/fuzz/fuzz_*; do
  [[ -f "$f" && -x "$f" ]] || continue
  name=$(basename "$f")
  corpus="$root/fuzz/corpus/${name#fuzz_}"
  work=$(mktemp -d)
  [[ -d "$corpus" ]] && cp -r "$corpus"/. "$work"/
  echo "== $name for ${seconds}s"
  "$f" -max_total_time="$seconds" -print_final_stats=1 "$work"
  rm -rf "$work"
done
