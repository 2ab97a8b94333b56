#!/usr/bin/env bash
# Checks that every tracked C++ file is as clang-format (with .clang-format) writes it.
#   tools/check-format.sh          lists the files that differ; exits 1 if any do
#   tools/check-format.sh --fix    rewrites them
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ ${1:-} == --fix ]]; then
  clang-format -i "${files[@]}"
  exit 0
fi
# One run over all files; each difference is reported as "FILE:LINE:COLUMN: warning: ...".
mapfile -t unformatted < <(clang-format --dry-run "${files[@]}" 2>&1 |
  sed -nE 's/^(.+):[0-9]+:[0-9]+: (warning|error):.*/\1/p' | sort -u)
if [[ ${#unformatted[@]} -gt 0 ]]; then
  echo "Not formatted (run tools/check-format.sh --fix):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "format: ${#files[@]} files as clang-format writes them"
