#!/usr/bin/env bash
# Formats the sources in place and runs clang-tidy over the default build's compile database.
# Usage: scripts/lint.sh [--check]   (--check: report formatting differences, change nothing)
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.h' '*.cpp' '*.c' | grep -v '^build/')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
[ -f build/default/compile_commands.json ] || cmake --preset default >/dev/null
mapfile -t sources < <(printf '%s\n' "${files[@]}" | grep -E '\.(cpp|c)$')
clang-tidy -p build/default --quiet "${sources[@]}" 2>/dev/null | grep -E 'warning:|error:' || true
