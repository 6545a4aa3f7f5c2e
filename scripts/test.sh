#!/usr/bin/env bash
# Installs the packages, then checks the code's layout, builds and tests
# everything:
#   0. the layout of the C++ files (scripts/check-format.sh)
#   1. native build + unit tests (build/native)
#   2. AddressSanitizer/UBSan build + unit tests (build/asan)
#   3. a short fuzzing round of every fuzz target (fuzz/run.sh, 10 s each)
#   4. cross build of LumoMouse.exe (build/win64)
#   5. the x86 build and the packages: zips, installer, checksums
#      (scripts/package.sh -> build/dist)
#   6. end-to-end tests of the exe and the packages under Wine
#      (tests/e2e/run-all.sh)
# Keeps going after a failed step, exits non-zero if any step failed, and
# ends with the e2e line "N passed, M failed" (", K skipped" where this
# machine cannot run some of them at all).
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1

bash scripts/install-deps.sh || exit 1
mkdir -p build/logs

results=()
failed=0

step() {
  local name=$1
  shift
  echo "=== $name"
  if "$@"; then
    results+=("ok      $name")
  else
    results+=("FAILED  $name")
    failed=1
    return 1
  fi
}

unit_tests() {
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@" >/dev/null &&
    cmake --build "$dir" -j2 &&
    (cd "$dir" && ctest --output-on-failure)
}

cross_build() {
  cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null &&
    cmake --build build/win64 -j2
}

step "code layout (scripts/check-format.sh)" bash scripts/check-format.sh
step "native build and unit tests" unit_tests build/native
step "sanitizer build and unit tests" unit_tests build/asan -DLUMO_SANITIZE=ON
step "short fuzzing round" bash fuzz/run.sh 10

e2e_summary=""
cross_built=0
step "cross build (LumoMouse.exe)" cross_build && cross_built=1
# The package tests fail on their own when there is no package.
step "packages (scripts/package.sh)" bash scripts/package.sh
if ((cross_built)); then
  echo "=== e2e tests under Wine"
  bash tests/e2e/run-all.sh 2>&1 | tee build/logs/e2e.log
  e2e_status=${PIPESTATUS[0]}
  e2e_summary=$(tail -n 1 build/logs/e2e.log)
  if ((e2e_status == 0)); then
    results+=("ok      e2e tests under Wine")
  else
    results+=("FAILED  e2e tests under Wine")
    failed=1
  fi
else
  results+=("FAILED  e2e tests under Wine (not run: no program)")
  e2e_summary="0 passed, $(bash tests/e2e/run-all.sh --list | grep -c .) failed"
fi

echo
echo "=== summary"
printf '%s\n' "${results[@]}"
echo "$e2e_summary"
exit "$failed"
