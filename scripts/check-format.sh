#!/usr/bin/env bash
# Lists the C++ files whose layout differs from .clang-format and fails when
# there is one. clang-format 14 (Debian 12's) is the version the layout is
# kept with: other versions break some lines differently.
#   bash scripts/check-format.sh          check
#   bash scripts/check-format.sh --fix    rewrite the files in place
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1

formatter=clang-format-14
if ! command -v "$formatter" >/dev/null; then
  echo "check-format: $formatter is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ ${1:-} == --fix ]]; then
  "$formatter" -i "${files[@]}"
  exit 0
fi

differing=0
for file in "${files[@]}"; do
  if ! "$formatter" "$file" | cmp -s - "$file"; then
    echo "check-format: $file differs from .clang-format (bash scripts/check-format.sh --fix)"
    differing=1
  fi
done
exit "$differing"
