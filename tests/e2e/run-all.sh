#!/usr/bin/env bash
# Runs the end-to-end tests of the Windows program under Wine.
#
#   tests/e2e/run-all.sh              every test of tests/e2e/test_*.sh
#   tests/e2e/run-all.sh tray exit    only tests whose name contains one of the words
#   tests/e2e/run-all.sh --list       the names of all tests
#
# Each test runs in its own bash process, with its own X display, Wine prefix
# copy and program start, under a time limit. Needs the cross-built program
# (build/win64/LumoMouse.exe, or LUMO_EXE) and the packages of
# scripts/install-deps.sh. Screenshots land in artifacts/screenshots/.
# Ends with the line "N passed, M failed" (and ", K skipped" when this machine
# cannot run some tests at all); exits non-zero when a test failed.
set -uo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_TEST_TIMEOUT=${E2E_TEST_TIMEOUT:-180}

# Child mode: run one test function of one file.
if [[ ${1:-} == --one ]]; then
  E2E_TEST=$3
  # shellcheck source=tests/e2e/lib.sh
  source "$E2E_DIR/lib.sh"
  # shellcheck disable=SC1090
  source "$2"
  trap 'exit 130' INT
  trap 'exit 143' TERM
  e2e_setup
  "$E2E_TEST"
  exit 0
fi

# shellcheck source=tests/e2e/lib.sh
source "$E2E_DIR/lib.sh"

# Test names in file order, as "file<TAB>name".
list_tests() {
  local file name
  for file in "$E2E_DIR"/test_*.sh; do
    [[ -f $file ]] || continue
    while read -r name; do
      printf '%s\t%s\n' "$file" "$name"
    done < <(grep -oE '^test_[A-Za-z0-9_]+\(\)' "$file" | tr -d '()')
  done
}

selected() {
  local name=$1
  (($# == 1)) && return 0
  shift
  local word
  for word in "$@"; do
    [[ $name == *"$word"* ]] && return 0
  done
  return 1
}

if [[ ${1:-} == --list ]]; then
  list_tests | cut -f 2
  exit 0
fi

cleanup_leftovers() {
  local state
  for state in "$E2E_WORK"/*/env-state; do
    [[ -f $state ]] && e2e_cleanup_leftover "$state"
  done
  return 0
}
trap 'cleanup_leftovers; exit 130' INT TERM

passed=0
failed=0
skipped=0
failed_names=()
tests=()
while IFS=$'\t' read -r file name; do
  selected "$name" "$@" && tests+=("$file"$'\t'"$name")
done < <(list_tests)

if ((${#tests[@]} == 0)); then
  echo "no e2e test matches: $*" >&2
  echo "0 passed, 0 failed"
  exit 1
fi

if [[ ! -f $E2E_EXE ]]; then
  echo "e2e: the program is not built ($E2E_EXE); every test fails" >&2
  echo "0 passed, ${#tests[@]} failed"
  exit 1
fi

if ! e2e_build_tools; then
  echo "e2e: could not build the test helpers" >&2
  echo "0 passed, ${#tests[@]} failed"
  exit 1
fi

mkdir -p "$E2E_WORK" "$E2E_ARTIFACTS/screenshots"
echo "e2e: ${#tests[@]} tests, program $E2E_EXE"
for entry in "${tests[@]}"; do
  file=${entry%%$'\t'*}
  name=${entry#*$'\t'}
  started=$SECONDS
  timeout -k 10 "$E2E_TEST_TIMEOUT" bash "$0" --one "$file" "$name"
  status=$?
  cleanup_leftovers
  elapsed=$((SECONDS - started))
  if ((status == 0)); then
    passed=$((passed + 1))
    echo "PASS $name (${elapsed}s)"
  elif ((status == E2E_SKIP_STATUS)); then
    skipped=$((skipped + 1))
    echo "SKIP $name"
  else
    failed=$((failed + 1))
    failed_names+=("$name")
    reason=""
    ((status == 124 || status == 137)) && reason=", timed out after ${E2E_TEST_TIMEOUT}s"
    echo "FAIL $name (${elapsed}s, exit $status$reason; logs in ${E2E_WORK#"$LUMO_ROOT"/}/$name)"
  fi
done

((failed > 0)) && echo "failed: ${failed_names[*]}"
summary="$passed passed, $failed failed"
((skipped > 0)) && summary+=", $skipped skipped"
echo "$summary"
((failed == 0))
