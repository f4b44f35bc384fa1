#!/usr/bin/env bash
# Checks that every C++ file is formatted as .clang-format says (Debian 12's
# clang-format 14). With --fix, formats them instead.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i --style=file "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror --style=file "${files[@]}"; then
  echo "Formatting differs from .clang-format: run scripts/check-format.sh --fix" >&2
  exit 1
fi
echo "Formatting: ${#files[@]} files as .clang-format says"
