#!/usr/bin/env bash
# Fails when a tracked C++ source file differs from what clang-format makes of it under the
# repository's .clang-format, and names the files. `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."

# The files git tracks; outside a checkout (an unpacked archive), the source folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h' '*.hpp' '*.cc')
else
  mapfile -t files < <(find src tests tools bench -name '*.cpp' -o -name '*.h' | sort)
fi
[ ${#files[@]} -gt 0 ] || { echo "format check: no source files found" >&2; exit 1; }

unformatted=()
for file in "${files[@]}"; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done

if [ ${#unformatted[@]} -gt 0 ]; then
  echo "format check: ${#unformatted[@]} file(s) not formatted with clang-format:" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "format check: ${#files[@]} files formatted"
