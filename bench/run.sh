#!/usr/bin/env bash
# Performance figures of LumoMouse, printed as one table with a column for
# the program as it was before the input-report engine (BENCH_BEFORE, built
# from that commit in build/bench/before-*) and one for this tree:
#
#   bash bench/run.sh
#
# Every figure is a count, a ratio or a distribution taken within this one run,
# never a single absolute time, so that a busy or slow machine moves the
# figures as little as possible:
#   - the engine tick on the simulated platform: instructions per tick
#     (callgrind), platform calls and allocations per tick;
#   - under Wine, focus on the program's window and on another program's:
#     clicks per press of the click key (15, 30, 80, 200 ms presses),
#     key-down to the first pointer move (p50/p95) and moves per second while
#     a direction key is held; how far Right held 0.25, 0.5, 1 and 2 s and an
#     80 ms press move the pointer, and the time a hold takes to cross the
#     screen;
#   - idle CPU and wake-ups per second, hotkeys on with fast follow and the
#     defaults (hotkeys off, slow follow), next to bare Win32 programs with
#     the same timers (bench/bare_timers.c); start-up to the tray icon;
#   - the stripped size of LumoMouse.exe (code and resources) and its DLLs.
#
# Slow (about twelve minutes) and kept out of the test command. It builds what
# it needs, runs everything on a private X display and Wine prefix (see
# scripts/wine-env.sh), bounds every wait and stops every process it started.
# Knobs: BENCH_PRESSES (40), BENCH_CLICK_PRESSES (6 per press length),
# BENCH_IDLE_SECONDS (30), BENCH_WAKEUP_SECONDS (10), BENCH_STARTUP_RUNS (7), BENCH_BEFORE (2900758),
# LUMO_EXE (the program; default build/win64/LumoMouse.exe, built here).
# The table also goes to build/bench/results.txt. In a tree without that
# commit (an exported source tree) the before column is left out.
set -uo pipefail

BENCH_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
LUMO_ROOT=$(cd "$BENCH_DIR/.." && pwd)
export LUMO_ROOT
BENCH_PRESSES=${BENCH_PRESSES:-40}
BENCH_CLICK_PRESSES=${BENCH_CLICK_PRESSES:-6}
BENCH_IDLE_SECONDS=${BENCH_IDLE_SECONDS:-30}
BENCH_WAKEUP_SECONDS=${BENCH_WAKEUP_SECONDS:-10}
BENCH_STARTUP_RUNS=${BENCH_STARTUP_RUNS:-7}
BENCH_BEFORE=${BENCH_BEFORE:-2900758}
BENCH_OUT=$LUMO_ROOT/build/bench
BENCH_TICKS=100000
# The program before the change, built from BENCH_BEFORE.
BEFORE_SRC=$BENCH_OUT/before-src
BEFORE_EXE=$BENCH_OUT/before-win64/LumoMouse.exe
BEFORE_TICK_COUNT=$BENCH_OUT/before-native/bench/engine_tick_count
BENCH_HAS_BEFORE=1

E2E_TEST=bench
# shellcheck source=tests/e2e/lib.sh
source "$LUMO_ROOT/tests/e2e/lib.sh"

# Up arrow: X keycode 111 (VK_UP 38 is bound to "up" by default); right
# arrow: 114; keypad 0 (VK_NUMPAD0 96, the left-click key, with NumLock on): 90.
readonly KEYCODE_UP=111 KEYCODE_RIGHT=114 KEYCODE_KP0=90
# Hold lengths of the distance figures, in milliseconds.
readonly HOLD_MS=(250 500 1000 2000)
# Press lengths of the clicks-per-press figure, in milliseconds.
readonly CLICK_PRESS_MS=(15 30 80 200)
# Where each press starts: mid-screen, far from every edge the pointer may reach.
readonly HOME_X=640 HOME_Y=600

bench_log() { echo "bench: $*" >&2; }
bench_die() { echo "bench: FAILED: $*" >&2; exit 1; }

# ---------------------------------------------------------------- the table

ROWS=()
# Adds a row: figure, value before, value after, target, verdict on the value
# after (PASS, MISS or "-" for a figure shown for context).
bench_row() { ROWS+=("$1"$'\t'"$2"$'\t'"$3"$'\t'"$4"$'\t'"$5"); }

# PASS when the awk condition on `v` (the measured number) holds.
bench_verdict() {
  awk -v v="$1" "BEGIN { exit !($2) }" && echo PASS || echo MISS
}

# A verdict that compares with the program before: "-" without one.
bench_verdict_on_before() {
  if ((BENCH_HAS_BEFORE)); then bench_verdict "$@"; else echo -; fi
}

bench_print_table() {
  local row figure before after target verdict
  bench_table_line "figure" "before ($BENCH_BEFORE)" "after" "target" "result"
  printf '%s\n' "$(printf '%.0s-' {1..146})"
  for row in "${ROWS[@]}"; do
    IFS=$'\t' read -r figure before after target verdict <<<"$row"
    bench_table_line "$figure" "$before" "$after" "$target" "$verdict"
  done
}
bench_table_line() {
  if ((BENCH_HAS_BEFORE)); then
    printf '%-52s %-30s %-30s %-22s %s\n' "$@"
  else
    printf '%-52s %-30s %-22s %s\n' "$1" "$3" "$4" "$5"
  fi
}

bench_median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# ---------------------------------------------------------------- builds

bench_build() {
  mkdir -p "$BENCH_OUT"
  if [[ ! -f $LUMO_ROOT/build/native/CMakeCache.txt ]]; then
    cmake -S "$LUMO_ROOT" -B "$LUMO_ROOT/build/native" >/dev/null || return 1
  fi
  cmake --build "$LUMO_ROOT/build/native" -j2 --target engine_tick_count >/dev/null || return 1
  if [[ -z ${LUMO_EXE:-} ]]; then
    bench_build_exe "$LUMO_ROOT" "$LUMO_ROOT/build/win64" || return 1
  fi
  if bench_before_available; then
    bench_build_before || return 1
  else
    BENCH_HAS_BEFORE=0
    bench_log "$BENCH_BEFORE is not in this tree's history: the before column is left out"
  fi
  x86_64-w64-mingw32-gcc -O2 -Wall -Wextra -municode -mwindows -DUNICODE -D_UNICODE -s \
    -o "$BENCH_OUT/bare_timers.exe" "$BENCH_DIR/bare_timers.c" -lshell32 -luser32 || return 1
  e2e_build_tools
}

# LumoMouse.exe from the source tree $1 in the build folder $2.
bench_build_exe() {
  if [[ ! -f $2/CMakeCache.txt ]]; then
    cmake -S "$1" -B "$2" -DCMAKE_TOOLCHAIN_FILE="$1/cmake/mingw-w64.cmake" >/dev/null || return 1
  fi
  cmake --build "$2" -j2 --target LumoMouse >/dev/null
}

bench_before_available() {
  [[ -f $BEFORE_SRC/.bench-commit && $(<"$BEFORE_SRC/.bench-commit") == "$BENCH_BEFORE" ]] ||
    git -C "$LUMO_ROOT" rev-parse -q --verify "$BENCH_BEFORE^{commit}" >/dev/null 2>&1
}

# The program and the tick driver as they were at BENCH_BEFORE, from a copy of
# that commit's files (made again only when BENCH_BEFORE changes).
bench_build_before() {
  local stamp=$BEFORE_SRC/.bench-commit
  if [[ ! -f $stamp || $(<"$stamp") != "$BENCH_BEFORE" ]]; then
    rm -rf "$BEFORE_SRC" "$BENCH_OUT/before-win64" "$BENCH_OUT/before-native"
    mkdir -p "$BEFORE_SRC"
    git -C "$LUMO_ROOT" archive "$BENCH_BEFORE" | tar -x -C "$BEFORE_SRC" || return 1
    echo "$BENCH_BEFORE" >"$stamp"
  fi
  bench_build_exe "$BEFORE_SRC" "$BENCH_OUT/before-win64" || return 1
  if [[ ! -f $BENCH_OUT/before-native/CMakeCache.txt ]]; then
    cmake -S "$BEFORE_SRC" -B "$BENCH_OUT/before-native" >/dev/null || return 1
  fi
  cmake --build "$BENCH_OUT/before-native" -j2 --target engine_tick_count >/dev/null
}

# ---------------------------------------------------------------- engine tick

# Instructions that callgrind counts for `ticks` ticks of scenario $2 of the
# tick driver $1, into TICK_INSTRUCTIONS; the driver's own counts go to
# TICK_ALLOCATIONS and TICK_CALLS.
bench_tick_instructions() {
  local driver=$1 scenario=$2 ticks=$3 out=$BENCH_OUT/callgrind.$RANDOM.$2.$3 report
  report=$(timeout --foreground 300 valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out" \
    "$driver" "$scenario" "$ticks" 2>/dev/null) || bench_die "callgrind run of scenario $scenario failed"
  TICK_ALLOCATIONS=$(awk '$1 == "allocations" { print $2 }' <<<"$report")
  TICK_CALLS=$(awk '$1 == "platform_calls" { print $2 }' <<<"$report")
  TICK_INSTRUCTIONS=$(awk '$1 == "totals:" { print $2 }' "$out")
  rm -f "$out"
}

# "<instructions> instr, <calls> calls" per tick of scenario $2 of driver $1
# into TICK_FIGURE, the calls into TICK_CALLS_PER_TICK; allocations add up
# in TICK_ALLOCATIONS_TOTAL.
TICK_ALLOCATIONS_TOTAL=0
bench_tick_figure() {
  local base
  bench_tick_instructions "$1" "$2" 0
  base=$TICK_INSTRUCTIONS
  bench_tick_instructions "$1" "$2" "$BENCH_TICKS"
  TICK_ALLOCATIONS_TOTAL=$((TICK_ALLOCATIONS_TOTAL + TICK_ALLOCATIONS))
  TICK_CALLS_PER_TICK=$((TICK_CALLS / BENCH_TICKS))
  TICK_FIGURE="$(awk -v a="$base" -v b="$TICK_INSTRUCTIONS" -v n="$BENCH_TICKS" \
    'BEGIN { printf "%.0f", (b - a) / n }') instr, $TICK_CALLS_PER_TICK calls"
}

bench_engine_tick() {
  local scenario before
  local -A labels=([up]="all six keys up" [one]="one direction key down" [all]="all six keys down")
  # Before, the engine always polled; now it polls only where the platform
  # reports no input: the same three scenarios on that path.
  for scenario in up one all; do
    before=-
    if ((BENCH_HAS_BEFORE)); then
      bench_tick_figure "$BEFORE_TICK_COUNT" "$scenario"
      before=$TICK_FIGURE
    fi
    bench_tick_figure "$LUMO_ROOT/build/native/bench/engine_tick_count" "$scenario"
    bench_row "engine tick polling, ${labels[$scenario]} (sim)" "$before" "$TICK_FIGURE" "<= 15 calls" \
      "$(bench_verdict "$TICK_CALLS_PER_TICK" 'v <= 15')"
  done
  bench_tick_figure "$LUMO_ROOT/build/native/bench/engine_tick_count" reported
  bench_row "engine tick reported, all six keys down (sim)" "-" "$TICK_FIGURE" "<= 15 calls" \
    "$(bench_verdict "$TICK_CALLS_PER_TICK" 'v <= 15')"
  # The input thread's own work per keyboard event; the hook adds one posted
  # message per reported change and, for a fresh press of a bound key, one
  # look at the window in front.
  bench_tick_figure "$LUMO_ROOT/build/native/bench/engine_tick_count" gate
  bench_row "key gate decision per keyboard event (sim)" "-" "${TICK_FIGURE%%,*}" "<= 2000 instr" \
    "$(bench_verdict "${TICK_FIGURE%% *}" 'v <= 2000')"
  bench_row "engine allocations ($BENCH_TICKS ticks per scenario)" "-" "$TICK_ALLOCATIONS_TOTAL" "0" \
    "$(bench_verdict "$TICK_ALLOCATIONS_TOTAL" 'v == 0')"
}

# ---------------------------------------------------------------- programs under Wine

# Starts a Windows program (with its arguments) in the prefix; the Unix PID
# of the process `wine` started goes to BENCH_PID.
BENCH_PID=
bench_start() {
  lumo_spawn BENCH_PID "$E2E_TEST_DIR/logs/$(basename "$1").log" wine "$@"
}

# The Unix PID of the running program $1 of this prefix, into PROGRAM_PID:
# wine hands the program to a process of its own (started by start.exe
# /exec), which is the one that runs, wakes and spends CPU time.
bench_program_pid() {
  lumo_wait_until 10 bench_find_program_pid "$(e2e_winpath "$1")" || bench_die "no process of $1 found"
  bench_find_program_pid "$(e2e_winpath "$1")"
}
bench_find_program_pid() {
  local proc
  for proc in /proc/[0-9]*; do
    # A process may end between the glob and the read: redirect stderr first,
    # so that the failed open of its files stays quiet too.
    [[ $(tr '\0' ' ' 2>/dev/null <"$proc/cmdline") == "$1"* ]] || continue
    tr '\0' '\n' 2>/dev/null <"$proc/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
    PROGRAM_PID=${proc#/proc/}
    return 0
  done
  return 1
}

# Ends a program started here (the process wine started, $1, and the
# program's own, $2) and waits (bounded) until they and the tray icon are gone.
bench_stop() {
  local pid
  for pid in "$@"; do
    lumo_pid_alive "$pid" && kill -KILL "$pid" 2>/dev/null
    lumo_wait_until 10 bench_pid_gone "$pid" || bench_die "process $pid does not end"
  done
  lumo_wait_until 10 bench_tray_empty || bench_die "a tray icon stays after its program ended: $(e2e_tray_icons)"
}
bench_tray_empty() { ! bench_has_icon; }
bench_pid_gone() { ! lumo_pid_alive "$1"; }

# CPU time of all the threads of process $1 so far, in nanoseconds (the
# scheduler's own count: the clock ticks of /proc/<pid>/stat are 10 ms, too
# coarse for a program that sleeps).
bench_cpu_ns() {
  [[ -d /proc/$1/task ]] || return 1
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.0f\n", n }'
}

# Milliseconds from the start of program $1 to its icon in the tray, into
# STARTUP_MS; the program is ended again afterwards.
bench_startup_ms() {
  local exe=$1 started now
  started=${EPOCHREALTIME/./}
  bench_start "$exe"
  local deadline=$((started + 30000000))
  while ! bench_has_icon; do
    now=${EPOCHREALTIME/./}
    ((now >= deadline)) && bench_die "no tray icon from $(basename "$exe") within 30 s"
    lumo_pid_alive "$BENCH_PID" || bench_die "$(basename "$exe") ended during start-up"
    sleep 0.005
  done
  now=${EPOCHREALTIME/./}
  local wine_pid=$BENCH_PID
  bench_program_pid "$exe"
  bench_stop "$wine_pid" "$PROGRAM_PID"
  STARTUP_MS=$(((now - started) / 1000))
}
# The tray probe may see a window vanish under it; that is only noise here.
bench_has_icon() { [[ -n $(e2e_tray_icons 2>/dev/null) ]]; }

bench_startup() {
  local bare=$BENCH_OUT/bare_timers.exe lumo_times=() bare_times=() run
  # One unmeasured start each: the prefix's first program start also brings
  # up explorer and the tray host.
  bench_startup_ms "$E2E_EXE"
  bench_startup_ms "$bare"
  # Alternating which goes first spreads slow moments of the machine over both.
  for ((run = 0; run < BENCH_STARTUP_RUNS; ++run)); do
    if ((run % 2)); then
      bench_startup_ms "$bare" && bare_times+=("$STARTUP_MS")
      bench_startup_ms "$E2E_EXE" && lumo_times+=("$STARTUP_MS")
    else
      bench_startup_ms "$E2E_EXE" && lumo_times+=("$STARTUP_MS")
      bench_startup_ms "$bare" && bare_times+=("$STARTUP_MS")
    fi
  done
  bench_log "start-up ms, LumoMouse: ${lumo_times[*]}; bare: ${bare_times[*]}"
  local lumo bare_median ratio
  lumo=$(printf '%s\n' "${lumo_times[@]}" | bench_median)
  bare_median=$(printf '%s\n' "${bare_times[@]}" | bench_median)
  ratio=$(bench_ratio "$lumo" "$bare_median")
  bench_row "start -> tray icon, median of $BENCH_STARTUP_RUNS, vs bare" "-" \
    "$ratio ($lumo / $bare_median ms)" "<= 1.2" "$(bench_verdict "$ratio" 'v <= 1.2')"
}

# CPU time of process $1 over BENCH_IDLE_SECONDS into IDLE_MS, and as a
# share of one core into IDLE_PERCENT.
bench_idle_cpu() {
  local pid=$1 before after start end
  before=$(bench_cpu_ns "$pid") || bench_die "process $pid is gone"
  start=${EPOCHREALTIME/./}
  sleep "$BENCH_IDLE_SECONDS"
  after=$(bench_cpu_ns "$pid") || bench_die "process $pid ended while idle"
  end=${EPOCHREALTIME/./}
  IDLE_MS=$(((after - before) / 1000000))
  IDLE_PERCENT=$(awk -v ms="$IDLE_MS" -v wall=$((end - start)) 'BEGIN { printf "%.2f", ms * 100000 / wall }')
}

# Messages the program's threads take from their queues per second over
# BENCH_WAKEUP_SECONDS (timers, input reports, paints: each one a wake-up),
# counted in Wine's message trace of a program started with WINEDEBUG=+msg
# (log $1); into WAKEUPS.
bench_wakeups() {
  local log=$1 before after start end
  before=$(grep -c 'peek_message got type' "$log")
  start=${EPOCHREALTIME/./}
  sleep "$BENCH_WAKEUP_SECONDS"
  after=$(grep -c 'peek_message got type' "$log")
  end=${EPOCHREALTIME/./}
  WAKEUPS=$(awk -v n=$((after - before)) -v wall=$((end - start)) 'BEGIN { printf "%.1f", n * 1000000 / wall }')
}

# Starts the program and applies with the options clicked by the arguments
# (names of the settings window's controls, as in the layout of the windows
# that e2e_build_tools writes) on the default settings; the pointer then
# rests at HOME.
bench_apply_settings() {
  # Every start from the defaults: with the settings the last apply kept, a
  # click on a check box would turn it the other way (the hotkey switch off).
  wine reg delete 'HKCU\Software\LumoMouse' /f >/dev/null 2>&1
  e2e_start_and_wait_settings
  e2e_wait_settled "$TITLE_SETTINGS"
  local settings=$E2E_WINDOW control rect
  for control in "$@"; do
    e2e_control_rect rect SettingsWindow "$control"
    e2e_click_in_window_twips "$settings" "${rect[@]}"
  done
  sleep 0.3
  e2e_control_rect rect SettingsWindow applyButton
  e2e_click_in_window_twips "$settings" "${rect[@]}"
  e2e_wait_window "$TITLE_VIRTUAL_MOUSE" 1
  e2e_wait_window_hidden "$TITLE_SETTINGS"
  e2e_move "$HOME_X" "$HOME_Y"
}

# Gives the X keyboard focus to the window titled $1 by xdotool's command $2
# (windowfocus for the virtual mouse window, which the window manager does
# not activate; windowactivate for an ordinary one). Wine sees keys only
# while one of its windows has the X focus.
bench_focus() {
  xdotool search --name "^$1\$" "$2" >/dev/null 2>&1 || bench_die "cannot focus '$1'"
  lumo_wait_until 5 bench_focus_is "$1" ||
    bench_die "the focus is on '$(xdotool getwindowfocus getwindowname 2>/dev/null)', not '$1'"
}
bench_focus_is() { [[ $(xdotool getwindowfocus getwindowname 2>/dev/null) == "$1" ]]; }

# Key-down to first pointer move and moves per second while held, with the
# focus given as bench_focus takes it ($1 $2); results under column $3 and
# focus label $4 in RESULT.
declare -A RESULT
bench_latency() {
  local title=$1 method=$2 column=$3 label=$4 report
  bench_focus "$title" "$method"
  sleep 0.5
  report=$(timeout --foreground $((BENCH_PRESSES * 2 + 30)) "$E2E_TOOLS/pointer_latency" "$BENCH_PRESSES" \
    "$KEYCODE_UP" "$HOME_X" "$HOME_Y") || bench_die "pointer_latency failed"
  echo "$report" >"$BENCH_OUT/latency-$column-${label// /-}.txt"
  local -A r
  local key value
  while read -r key value; do r[$key]=$value; done <<<"$report"
  # A program whose keys move nothing here has no period: its rows say so.
  ((r[period_p50_us] > 0)) || bench_log "no timer period measured ($column, $label): $report"
  RESULT[$column.p50.$label]=${r[latency_p50_us]}
  RESULT[$column.p95.$label]=${r[latency_p95_us]}
  RESULT[$column.period.$label]=${r[period_p50_us]}
  RESULT[$column.misses.$label]="${r[misses]} of ${r[presses]}"
}

# Presses of the left button that the click target logged (the second press
# of a double click arrives as WM_LBUTTONDBLCLK).
bench_target_presses() { e2e_clicks | grep -c -E '^WM_LBUTTON(DOWN|DBLCLK) '; }

# Clicks per press of the left-click key for each press length, with the
# pointer over the click target and the focus given as bench_focus takes it
# ($1 $2) before every press (a click moves the focus to the target);
# "mean (min-max)" under column $3, focus label $4.
bench_clicks_per_press() {
  local title=$1 method=$2 column=$3 label=$4 ms i before counts
  for ms in "${CLICK_PRESS_MS[@]}"; do
    counts=()
    for ((i = 0; i < BENCH_CLICK_PRESSES; ++i)); do
      e2e_move "$HOME_X" "$HOME_Y"
      bench_focus "$title" "$method"
      before=$(bench_target_presses)
      "$E2E_TOOLS/xkey" tap "$KEYCODE_KP0" "$ms"
      # Past the double-click time, so that presses never pair up.
      sleep 0.7
      counts+=($(($(bench_target_presses) - before)))
    done
    RESULT[$column.clicks$ms.$label]=$(printf '%s\n' "${counts[@]}" |
      awk 'NR == 1 { lo = hi = $1 } { s += $1; lo = $1 < lo ? $1 : lo; hi = $1 > hi ? $1 : hi }
           END { printf "%.2f (%d-%d)", s / NR, lo, hi }')
  done
}

# How far Right moves the pointer from near the screen's left edge, held each
# of HOLD_MS and pressed 80 ms (the median of three), and the time a hold
# takes to reach the right edge; focus on the click target; column $1 in
# RESULT. The three presses start at x 0, 10 and 20: over the bare X desktop
# Wine never learns of xdotool's moves and takes a move to where it last put
# the pointer as none.
bench_hold_distances() {
  local column=$1 ms run moved start
  for ms in "${HOLD_MS[@]}" 80; do
    moved=()
    for run in 0 1 2; do
      start=$((run * 10))
      e2e_move "$start" "$HOME_Y"
      sleep 0.3
      "$E2E_TOOLS/xkey" tap "$KEYCODE_RIGHT" "$ms"
      sleep 0.3
      e2e_pointer
      moved+=($((E2E_POINTER_X - start)))
    done
    RESULT[$column.held$ms]=$(printf '%s\n' "${moved[@]}" | bench_median)
  done
  local width started crossed
  width=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
  crossed=()
  for run in 1 2 3; do
    e2e_move 0 "$HOME_Y"
    sleep 0.3
    started=${EPOCHREALTIME/./}
    e2e_key_down "$KEYCODE_RIGHT"
    lumo_wait_until 15 bench_pointer_reached "$((width - 1))" &&
      crossed+=($(((${EPOCHREALTIME/./} - started) / 1000)))
    e2e_key_up "$KEYCODE_RIGHT"
    sleep 0.3
  done
  RESULT[$column.cross]=$( ((${#crossed[@]})) && printf '%s\n' "${crossed[@]}" | bench_median || echo ">15000")
  RESULT[$column.width]=$width
}
bench_pointer_reached() {
  e2e_pointer
  ((E2E_POINTER_X >= $1))
}

# Every figure of one program under Wine ($1, column $2).
bench_program() {
  local exe=$1 column=$2
  E2E_EXE=$exe
  bench_log "$column: wake-ups with the defaults, then with hotkeys on and fast follow"
  bench_wakeup_run "$column" defaults
  bench_wakeup_run "$column" fast followFast hotkeysCheck

  bench_log "$column: idle with the defaults for ${BENCH_IDLE_SECONDS} s"
  bench_apply_settings
  disown "$E2E_APP_PID" 2>/dev/null
  bench_program_pid "$exe"
  sleep 3
  bench_idle_cpu "$PROGRAM_PID"
  RESULT[$column.idle.defaults]=$IDLE_MS RESULT[$column.idle%.defaults]=$IDLE_PERCENT
  bench_stop "$E2E_APP_PID" "$PROGRAM_PID"

  bench_log "$column: idle with hotkeys on and fast follow for ${BENCH_IDLE_SECONDS} s"
  bench_apply_settings followFast hotkeysCheck
  local pid=$E2E_APP_PID
  disown "$pid" 2>/dev/null
  bench_program_pid "$exe"
  local program_pid=$PROGRAM_PID
  sleep 3
  bench_idle_cpu "$program_pid"
  RESULT[$column.idle.fast]=$IDLE_MS RESULT[$column.idle%.fast]=$IDLE_PERCENT

  # The target lies under HOME and under every step the latency presses make.
  e2e_start_click_target $((HOME_X - 200)) $((HOME_Y - 200)) 400 300
  bench_log "$column: key latency and clicks per press, focus in LumoMouse"
  bench_latency "$TITLE_VIRTUAL_MOUSE" windowfocus "$column" "in LumoMouse"
  bench_clicks_per_press "$TITLE_VIRTUAL_MOUSE" windowfocus "$column" "in LumoMouse"
  bench_log "$column: key latency and clicks per press, focus elsewhere"
  bench_latency "e2e click target" windowactivate "$column" "elsewhere"
  bench_clicks_per_press "e2e click target" windowactivate "$column" "elsewhere"
  bench_log "$column: distances of held and pressed keys, time to cross the screen"
  bench_focus "e2e click target" windowactivate
  bench_hold_distances "$column"
  lumo_pid_alive "$program_pid" || bench_die "LumoMouse ($column) ended during the measurements"
  bench_stop "$pid" "$program_pid"
  lumo_stop_pid "$E2E_CLICK_TARGET_PID"
}

# Wake-ups of the program applied with the options given after $2 (as
# bench_apply_settings takes them), under column $1 and name $2 in RESULT.
bench_wakeup_run() {
  local column=$1 name=$2
  shift 2
  WINEDEBUG=+msg bench_apply_settings "$@"
  disown "$E2E_APP_PID" 2>/dev/null
  bench_program_pid "$E2E_EXE"
  sleep 3
  bench_wakeups "$E2E_TEST_DIR/logs/program.log"
  RESULT[$column.wakeups.$name]=$WAKEUPS
  cp "$E2E_TEST_DIR/logs/program.log" "$BENCH_OUT/messages-$column-$name.log"
  bench_stop "$E2E_APP_PID" "$PROGRAM_PID"
}

# The hook procedure's own time per keyboard event (p50, p99, max) and the
# delay events reach it with (the system's tick count minus the event's time),
# as the program counts them where LUMO_HOOK_TIMES names a file (it rewrites
# the file at every 3 s upkeep); Up pressed BENCH_PRESSES times, hotkeys on.
bench_hook_times() {
  local file="$WINEPREFIX/drive_c/lumo-hook-times.txt" i name rest key value
  rm -f "$file"
  LUMO_HOOK_TIMES='C:\lumo-hook-times.txt' bench_apply_settings hotkeysCheck
  disown "$E2E_APP_PID" 2>/dev/null
  bench_program_pid "$E2E_EXE"
  bench_focus "$TITLE_VIRTUAL_MOUSE" windowfocus
  for ((i = 0; i < BENCH_PRESSES; ++i)); do "$E2E_TOOLS/xkey" tap "$KEYCODE_UP" 30; done
  sleep 4
  local -A hook
  while read -r name rest; do
    for key in $rest; do value=${key#*=} hook[$name.${key%%=*}]=$value; done
  done <"$file" || bench_die "no hook times written to $file"
  bench_stop "$E2E_APP_PID" "$PROGRAM_PID"
  bench_row "hook procedure's own time p50 / p99 / max" "-" \
    "${hook[hook_us.p50]} / ${hook[hook_us.p99]} / ${hook[hook_us.max]} us (${hook[hook_us.events]} events)" \
    "p99 <= 100 us" "$(bench_verdict "${hook[hook_us.p99]}" 'v <= 100')"
  bench_row "dispatch delay (now - event time) p50 / p99 / max" "-" \
    "${hook[dispatch_ms.p50]} / ${hook[dispatch_ms.p99]} / ${hook[dispatch_ms.max]} ms" "-" "-"
}

bench_ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "inf" }'; }
bench_ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }
bench_per_second() { awk -v us="$1" 'BEGIN { if (us > 0) printf "%.1f", 1000000 / us; else print "-" }'; }

# Idle CPU of bare_timers.exe run with the arguments given.
bench_idle_bare() {
  bench_start "$BENCH_OUT/bare_timers.exe" "$@"
  local pid=$BENCH_PID
  lumo_wait_until 30 bench_has_icon || bench_die "the bare program shows no tray icon"
  bench_program_pid "$BENCH_OUT/bare_timers.exe"
  sleep 3
  bench_idle_cpu "$PROGRAM_PID"
  bench_stop "$pid" "$PROGRAM_PID"
}

# The rows of the figures bench_program collected.
bench_program_rows() {
  local label ms b a
  for label in "in LumoMouse" elsewhere; do
    for ms in "${CLICK_PRESS_MS[@]}"; do
      a=${RESULT[after.clicks$ms.$label]}
      bench_row "clicks per $ms ms press, focus $label" "${RESULT[before.clicks$ms.$label]}" "$a" "exactly 1" \
        "$([[ $a == "1.00 (1-1)" ]] && echo PASS || echo MISS)"
    done
  done
  for label in "in LumoMouse" elsewhere; do
    b=${RESULT[before.p50.$label]} a=${RESULT[after.p50.$label]}
    bench_row "key-down -> move p50, focus $label" "$(bench_ms "$b") ms" "$(bench_ms "$a") ms" "<= 2 ms" \
      "$(bench_verdict "$a" 'v <= 2000')"
    b=${RESULT[before.p95.$label]} a=${RESULT[after.p95.$label]}
    bench_row "key-down -> move p95, focus $label" "$(bench_ms "$b") ms (${RESULT[before.misses.$label]} missed)" \
      "$(bench_ms "$a") ms (${RESULT[after.misses.$label]} missed)" "<= 1 period" \
      "$(bench_verdict "$a" "v <= ${RESULT[after.period.$label]}")"
    b=${RESULT[before.period.$label]} a=${RESULT[after.period.$label]}
    bench_row "moves per second while held, focus $label" "$(bench_per_second "$b")" "$(bench_per_second "$a")" \
      "within 5 % of before" "$(bench_verdict_on_before "$(bench_ratio "$b" "$a")" 'v >= 0.95 && v <= 1.05')"
  done
}

bench_hold_rows() {
  local ms a
  for ms in "${HOLD_MS[@]}"; do
    bench_row "distance of Right held $ms ms from the left, median of 3" "${RESULT[before.held$ms]} px" \
      "${RESULT[after.held$ms]} px" "-" "-"
  done
  a=${RESULT[after.held80]}
  bench_row "distance of an 80 ms press of Right, median of 3" "${RESULT[before.held80]} px" "$a px" \
    "the step (3 px)" "$( ((a == 3)) && echo PASS || echo MISS)"
  a=${RESULT[after.cross]}
  bench_row "Right held: x 0 to the right edge (${RESULT[after.width]} px), median" "${RESULT[before.cross]} ms" \
    "$a ms" "<= 1500 ms" "$(bench_verdict "${a#>}" 'v <= 1500')"
}

bench_idle_rows() {
  local bare_slow_ms=$1 bare_slow_pct=$2 bare_polling_ms=$3 bare_polling_pct=$4
  local column fast defaults
  for column in before after; do
    fast=${RESULT[$column.idle.fast]} defaults=${RESULT[$column.idle.defaults]}
    RESULT[$column.cpu]="${RESULT[$column.idle%.fast]}% / ${RESULT[$column.idle%.defaults]}%"
    RESULT[$column.fast_vs_defaults]=$(bench_ratio "$fast" "$defaults")
    RESULT[$column.fast_vs_bare]=$(bench_ratio "$fast" "$bare_slow_ms")
    RESULT[$column.defaults_vs_bare]=$(bench_ratio "$defaults" "$bare_slow_ms")
    RESULT[$column.fast_vs_polling_bare]=$(bench_ratio "$fast" "$bare_polling_ms")
  done
  bench_row "idle CPU ${BENCH_IDLE_SECONDS} s, hotkeys+fast / defaults, of a core" "${RESULT[before.cpu]}" \
    "${RESULT[after.cpu]}" "-" "-"
  bench_row "  ratio hotkeys on+fast follow / defaults" "${RESULT[before.fast_vs_defaults]}" \
    "${RESULT[after.fast_vs_defaults]}" "<= 1.2" "$(bench_verdict "${RESULT[after.fast_vs_defaults]}" 'v <= 1.2')"
  bench_row "  ratio hotkeys on+fast / bare 1000+1500 ms ($bare_slow_pct%)" "${RESULT[before.fast_vs_bare]}" \
    "${RESULT[after.fast_vs_bare]}" "-" "-"
  bench_row "  ratio defaults / bare 1000+1500 ms" "${RESULT[before.defaults_vs_bare]}" \
    "${RESULT[after.defaults_vs_bare]}" "-" "-"
  bench_row "  ratio hotkeys on+fast / bare 10+50+1500 ms ($bare_polling_pct%)" \
    "${RESULT[before.fast_vs_polling_bare]}" "${RESULT[after.fast_vs_polling_bare]}" "-" "-"
  bench_row "wake-ups per second idle, defaults" "${RESULT[before.wakeups.defaults]}" \
    "${RESULT[after.wakeups.defaults]}" "<= 2" "$(bench_verdict "${RESULT[after.wakeups.defaults]}" 'v <= 2')"
  bench_row "wake-ups per second idle, hotkeys on+fast follow" "${RESULT[before.wakeups.fast]}" \
    "${RESULT[after.wakeups.fast]}" "-" "-"
}

bench_wine() {
  e2e_setup
  trap 'exit 130' INT
  trap 'exit 143' TERM
  numlockx on >/dev/null 2>&1 || true

  bench_exe_facts
  bench_log "start-up: $((BENCH_STARTUP_RUNS + 1)) starts of each program"
  bench_startup

  local after_exe=$E2E_EXE key
  if ((BENCH_HAS_BEFORE)); then
    bench_program "$BEFORE_EXE" before
  fi
  bench_program "$after_exe" after
  E2E_EXE=$after_exe
  bench_log "the hook procedure's own time"
  bench_hook_times
  # Without a program before, its figures are blanks (the table leaves them out).
  ((BENCH_HAS_BEFORE)) || for key in "${!RESULT[@]}"; do RESULT[before.${key#after.}]=-; done

  bench_log "idle CPU of the bare programs for ${BENCH_IDLE_SECONDS} s each"
  bench_idle_bare slow
  local slow_ms=$IDLE_MS slow_pct=$IDLE_PERCENT
  bench_idle_bare
  bench_program_rows
  bench_hold_rows
  bench_idle_rows "$slow_ms" "$slow_pct" "$IDLE_MS" "$IDLE_PERCENT"
}

# Size of the stripped program $1: "<total> KB (<code> code, <resources>
# resources)" into EXE_FIGURE, the total into EXE_KB. Code is every section
# but the resources and the relocations.
bench_exe_size() {
  local stripped=$BENCH_OUT/stripped.$2.exe
  x86_64-w64-mingw32-strip -o "$stripped" "$1" || bench_die "cannot strip $1"
  local bytes
  bytes=$(stat -c %s "$stripped")
  EXE_KB=$(((bytes + 1023) / 1024))
  local name hex code=0 resources=0
  while read -r name hex; do
    case $name in
      .bss | .reloc | .tls) ;;
      .rsrc) resources=$((resources + 16#$hex)) ;;
      *) code=$((code + 16#$hex)) ;;
    esac
  done < <(x86_64-w64-mingw32-objdump -h "$stripped" | awk '$2 ~ /^\./ { print $2, $3 }')
  code=$(((code + 1023) / 1024)) resources=$(((resources + 1023) / 1024))
  EXE_FIGURE="$EXE_KB KB ($code code, $resources res.)"
}

# Size of the stripped programs and the imports: every DLL it names must be
# one that Windows itself has (Wine's system32 holds exactly those).
bench_exe_facts() {
  local before=-
  if ((BENCH_HAS_BEFORE)); then
    bench_exe_size "$BEFORE_EXE" before
    before=$EXE_FIGURE
  fi
  bench_exe_size "$E2E_EXE" after
  bench_row "LumoMouse.exe size, stripped" "$before" "$EXE_FIGURE" "<= 300 KB" "$(bench_verdict "$EXE_KB" 'v <= 300')"

  local dll dlls=() foreign=()
  while read -r dll; do
    dlls+=("$dll")
    [[ -n $(find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll" -print -quit) ]] ||
      foreign+=("$dll")
  done < <(x86_64-w64-mingw32-objdump -p "$E2E_EXE" | awk '/DLL Name:/ { print $3 }' | sort -fu)
  local names=("${dlls[@],,}")
  names=("${names[@]%.dll}")
  bench_row "imported DLLs (${#dlls[@]})" "-" "${names[*]}" "system DLLs only" \
    "$( ((${#foreign[@]} == 0)) && echo PASS || echo "MISS: ${foreign[*]}")"
}

# ---------------------------------------------------------------- main

bench_log "building"
bench_build || bench_die "build failed"
[[ -f $E2E_EXE ]] || bench_die "program not found: $E2E_EXE"
if ((BENCH_HAS_BEFORE)) && [[ ! -f $BEFORE_EXE ]]; then
  bench_die "program before the change not found: $BEFORE_EXE"
fi
bench_log "engine tick under callgrind"
bench_engine_tick
bench_wine

bench_print_table | tee "$BENCH_OUT/results.txt"
