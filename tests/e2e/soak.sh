#!/usr/bin/env bash
# A long run of the Windows program under Wine, to catch slow leaks:
#
#   tests/e2e/soak.sh [seconds]     default 600, at least 10
#
# The program runs with hotkeys on, fast follow, coordinates and the
# colourful pointer while a direction key is held half of the time; its GDI
# objects, windows and memory are compared between the start (after a
# warm-up) and the end. The same run, 45 s long, is test_soak_short of the
# normal end-to-end suite. Needs what run-all.sh needs (the cross-built
# program and the packages of scripts/install-deps.sh). The samples go to
# build/e2e/work/soak_long/soak-report.txt; the exit status is non-zero when
# a count grew or the program ended.
set -uo pipefail

seconds=${1:-600}
if [[ ! $seconds =~ ^[0-9]+$ ]] || ((seconds < 10)); then
  echo "usage: tests/e2e/soak.sh [seconds >= 10]" >&2
  exit 2
fi

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_TEST=soak_long
# shellcheck source=tests/e2e/lib.sh
source "$E2E_DIR/lib.sh"

[[ -f $E2E_EXE ]] || { echo "soak: the program is not built ($E2E_EXE)" >&2; exit 1; }
e2e_build_tools || { echo "soak: could not build the test helpers" >&2; exit 1; }

# Start-up and warm-up take up to a few minutes on a busy machine.
E2E_SOAK_SECONDS=$seconds timeout -k 10 $((seconds + 300)) \
  bash "$E2E_DIR/run-all.sh" --one "$E2E_DIR/test_robustness.sh" soak_long
status=$?
state=$E2E_WORK/soak_long/env-state
[[ -f $state ]] && e2e_cleanup_leftover "$state"

report=$E2E_WORK/soak_long/soak-report.txt
[[ -f $report ]] && cat "$report"
if ((status == 0)); then
  echo "soak: passed (${seconds} s)"
else
  echo "soak: FAILED (exit $status; logs in ${E2E_WORK#"$LUMO_ROOT"/}/soak_long)"
fi
exit "$status"
