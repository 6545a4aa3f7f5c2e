#!/usr/bin/env bash
# Performance figures of LumoMouse, printed as one table:
#
#   bash bench/run.sh
#
# Every figure is a count, a ratio or a distribution taken within this one run,
# never a single absolute time, so that a busy or slow machine moves the
# figures as little as possible:
#   - the engine tick on the simulated platform: instructions per tick
#     (callgrind), platform calls and allocations per tick;
#   - under Wine: key-down to the first pointer move (p50/p95) next to the
#     engine timer period measured in the same presses;
#   - idle CPU and start-up to the tray icon, as ratios to a bare Win32
#     program with the same timers and one tray icon (bench/bare_timers.c);
#   - the stripped size of LumoMouse.exe and the DLLs it imports.
#
# Slow (about four minutes) and kept out of the test command. It builds what
# it needs, runs everything on a private X display and Wine prefix (see
# scripts/wine-env.sh), bounds every wait and stops every process it started.
# Knobs: BENCH_PRESSES (60), BENCH_IDLE_SECONDS (30), BENCH_STARTUP_RUNS (7),
# LUMO_EXE (the program; default build/win64/LumoMouse.exe, built here).
# The table also goes to build/bench/results.txt.
set -uo pipefail

BENCH_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
LUMO_ROOT=$(cd "$BENCH_DIR/.." && pwd)
export LUMO_ROOT
BENCH_PRESSES=${BENCH_PRESSES:-60}
BENCH_IDLE_SECONDS=${BENCH_IDLE_SECONDS:-30}
BENCH_STARTUP_RUNS=${BENCH_STARTUP_RUNS:-7}
BENCH_OUT=$LUMO_ROOT/build/bench
BENCH_TICKS=100000

E2E_TEST=bench
# shellcheck source=tests/e2e/lib.sh
source "$LUMO_ROOT/tests/e2e/lib.sh"

# Where the settings window's controls are, in twips from its top-left
# corner (the window has no frame, so that is its client origin): Option2
# and Check2 lie in Frame1 (2880, 1200) and Frame2 (2880, 2640) at their own
# offsets (120, 480) and (120, 0); only the box part of Check2 is clicked.
readonly OPTION_FAST_FOLLOW=(3000 1680 1650 180)
readonly CHECK_HOTKEYS_BOX=(3000 2640 240 180)
readonly BUTTON_APPLY=(2880 3960 1455 300)
# Up arrow: X keycode 111 (VK_UP 38 is bound to "up" by default).
readonly KEYCODE_UP=111
# Where each press starts: mid-screen, far from every edge the pointer may reach.
readonly HOME_X=640 HOME_Y=600

bench_log() { echo "bench: $*" >&2; }
bench_die() { echo "bench: FAILED: $*" >&2; exit 1; }

# ---------------------------------------------------------------- the table

ROWS=()
# Adds a row: figure, value, target, verdict (PASS, MISS or "-" for a figure
# shown for context).
bench_row() { ROWS+=("$1"$'\t'"$2"$'\t'"$3"$'\t'"$4"); }

# PASS when the awk condition on `v` (the measured number) holds.
bench_verdict() {
  awk -v v="$1" "BEGIN { exit !($2) }" && echo PASS || echo MISS
}

bench_print_table() {
  local row figure value target verdict
  printf '%-54s %-47s %-21s %s\n' "figure" "value" "target" "result"
  printf '%s\n' "$(printf '%.0s-' {1..130})"
  for row in "${ROWS[@]}"; do
    IFS=$'\t' read -r figure value target verdict <<<"$row"
    printf '%-54s %-47s %-21s %s\n' "$figure" "$value" "$target" "$verdict"
  done
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
    if [[ ! -f $LUMO_ROOT/build/win64/CMakeCache.txt ]]; then
      cmake -S "$LUMO_ROOT" -B "$LUMO_ROOT/build/win64" \
        -DCMAKE_TOOLCHAIN_FILE="$LUMO_ROOT/cmake/mingw-w64.cmake" >/dev/null || return 1
    fi
    cmake --build "$LUMO_ROOT/build/win64" -j2 --target LumoMouse >/dev/null || return 1
  fi
  x86_64-w64-mingw32-gcc -O2 -Wall -Wextra -municode -mwindows -DUNICODE -D_UNICODE -s \
    -o "$BENCH_OUT/bare_timers.exe" "$BENCH_DIR/bare_timers.c" -lshell32 -luser32 || return 1
  e2e_build_tools
}

# ---------------------------------------------------------------- engine tick

# Instructions that callgrind counts for `ticks` ticks of scenario $1, into
# TICK_INSTRUCTIONS; the driver's own counts go to TICK_ALLOCATIONS and
# TICK_CALLS.
bench_tick_instructions() {
  local scenario=$1 ticks=$2 out=$BENCH_OUT/callgrind.$1.$2 report
  report=$(timeout --foreground 300 valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out" \
    "$LUMO_ROOT/build/native/bench/engine_tick_count" "$scenario" "$ticks" 2>/dev/null) ||
    bench_die "callgrind run of scenario $scenario failed"
  TICK_ALLOCATIONS=$(awk '$1 == "allocations" { print $2 }' <<<"$report")
  TICK_CALLS=$(awk '$1 == "platform_calls" { print $2 }' <<<"$report")
  TICK_INSTRUCTIONS=$(awk '$1 == "totals:" { print $2 }' "$out")
}

bench_engine_tick() {
  local scenario label base full per_tick calls
  local -A labels=([up]="all six keys up" [one]="one direction key down" [all]="all six keys down")
  local allocations=0
  for scenario in up one all; do
    label=${labels[$scenario]}
    bench_tick_instructions "$scenario" 0
    base=$TICK_INSTRUCTIONS
    bench_tick_instructions "$scenario" "$BENCH_TICKS"
    full=$TICK_INSTRUCTIONS
    allocations=$((allocations + TICK_ALLOCATIONS))
    per_tick=$(awk -v a="$base" -v b="$full" -v n="$BENCH_TICKS" 'BEGIN { printf "%.0f", (b - a) / n }')
    calls=$((TICK_CALLS / BENCH_TICKS))
    bench_row "engine tick, $label (sim)" "$per_tick instr, $calls platform calls" "<= 13 platform calls" \
      "$(bench_verdict "$calls" 'v <= 13')"
  done
  bench_row "engine tick allocations (3 x $BENCH_TICKS ticks)" "$allocations" "0" \
    "$(bench_verdict "$allocations" 'v == 0')"
}

# ---------------------------------------------------------------- programs under Wine

# Starts a Windows program (with its arguments) in the prefix; its Unix PID
# (the wine loader becomes the program) goes to BENCH_PID.
BENCH_PID=
bench_start() {
  lumo_spawn BENCH_PID "$E2E_TEST_DIR/logs/$(basename "$1").log" wine "$@"
}

# Ends a program started here and waits (bounded) until it and its tray
# icon are gone.
bench_stop() {
  local pid=$1
  lumo_pid_alive "$pid" && kill -KILL "$pid" 2>/dev/null
  lumo_wait_until 10 bench_pid_gone "$pid" || bench_die "process $pid does not end"
  lumo_wait_until 10 bench_tray_empty || bench_die "a tray icon stays after its program ended: $(e2e_tray_icons)"
}
bench_tray_empty() { ! bench_has_icon; }
bench_pid_gone() { ! lumo_pid_alive "$1"; }

bench_cpu_ticks() {
  local stat
  stat=$(<"/proc/$1/stat") || return 1
  # Fields after "(comm)": state is the first, utime the 12th, stime the 13th.
  local -a fields
  read -ra fields <<<"${stat##*) }"
  echo $((fields[11] + fields[12]))
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
  bench_stop "$BENCH_PID"
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
  bench_row "start -> tray icon, median of $BENCH_STARTUP_RUNS, vs bare" \
    "$ratio ($lumo / $bare_median ms)" "<= 1.2" "$(bench_verdict "$ratio" 'v <= 1.2')"
}

# CPU time of process $1 over BENCH_IDLE_SECONDS into IDLE_MS, and as a
# share of one core into IDLE_PERCENT.
bench_idle_cpu() {
  local pid=$1 clock_tick before after start end
  clock_tick=$(getconf CLK_TCK)
  before=$(bench_cpu_ticks "$pid") || bench_die "process $pid is gone"
  start=${EPOCHREALTIME/./}
  sleep "$BENCH_IDLE_SECONDS"
  after=$(bench_cpu_ticks "$pid") || bench_die "process $pid ended while idle"
  end=${EPOCHREALTIME/./}
  IDLE_MS=$(((after - before) * 1000 / clock_tick))
  IDLE_PERCENT=$(awk -v ms="$IDLE_MS" -v wall=$((end - start)) 'BEGIN { printf "%.2f", ms * 100000 / wall }')
}

# Hotkeys on, fast follow, colourful pointer (on by default), then apply.
bench_apply_settings() {
  e2e_start_and_wait_settings
  e2e_wait_settled "$TITLE_SETTINGS"
  local settings=$E2E_WINDOW
  e2e_click_in_window_twips "$settings" "${OPTION_FAST_FOLLOW[@]}"
  e2e_click_in_window_twips "$settings" "${CHECK_HOTKEYS_BOX[@]}"
  sleep 0.3
  e2e_click_in_window_twips "$settings" "${BUTTON_APPLY[@]}"
  e2e_wait_window "$TITLE_VIRTUAL_MOUSE" 1
  e2e_wait_window_hidden "$TITLE_SETTINGS"
  e2e_move "$HOME_X" "$HOME_Y"
}

# Key-down to first pointer move with the X keyboard focus on the window
# titled $1, given the focus by xdotool's command $2 (windowfocus for the
# virtual mouse window, which the window manager does not activate;
# windowactivate for an ordinary one); rows labelled $3. Wine sees keys only
# while one of its windows has the X focus.
bench_latency() {
  local title=$1 method=$2 label=$3 report
  xdotool search --name "^$title\$" "$method" >/dev/null 2>&1 || bench_die "cannot focus '$title'"
  lumo_wait_until 5 bench_focus_is "$title" ||
    bench_die "the focus is on '$(xdotool getwindowfocus getwindowname 2>/dev/null)', not '$title'"
  sleep 0.5
  report=$(timeout --foreground $((BENCH_PRESSES * 2 + 30)) "$E2E_TOOLS/pointer_latency" "$BENCH_PRESSES" "$KEYCODE_UP" \
    "$HOME_X" "$HOME_Y") || bench_die "pointer_latency failed"
  echo "$report" >"$BENCH_OUT/latency-$label.txt"
  local -A r
  local key value
  while read -r key value; do r[$key]=$value; done <<<"$report"
  local period=${r[period_p50_us]} p50=${r[latency_p50_us]} p95=${r[latency_p95_us]}
  ((period > 0)) || bench_die "no timer period measured ($label): $report"
  local period_ms p50_ms p95_ms
  period_ms=$(bench_ms "$period")
  p50_ms=$(bench_ms "$p50")
  p95_ms=$(bench_ms "$p95")
  bench_row "key-down -> move p50, focus $label" "$p50_ms ms (period $period_ms ms)" "<= 1 period" \
    "$(bench_verdict "$p50" "v <= $period")"
  bench_row "key-down -> move p95, focus $label" "$p95_ms ms (${r[misses]} of ${r[presses]} missed)" \
    "<= 2 periods" "$(bench_verdict "$p95" "v <= 2 * $period")"
  bench_row "  timer period samples / poll rate, focus $label" \
    "${r[period_samples]} / ${r[poll_hz]} Hz" ">= 1000 Hz polling" "$(bench_verdict "${r[poll_hz]}" 'v >= 1000')"
}

bench_focus_is() { [[ $(xdotool getwindowfocus getwindowname 2>/dev/null) == "$1" ]]; }
bench_ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }

bench_wine() {
  e2e_setup
  trap 'exit 130' INT
  trap 'exit 143' TERM

  bench_exe_facts
  bench_log "start-up: $((BENCH_STARTUP_RUNS + 1)) starts of each program"
  bench_startup

  bench_log "idle CPU of LumoMouse for ${BENCH_IDLE_SECONDS} s"
  bench_apply_settings
  local lumo_pid=$E2E_APP_PID
  # Ended by bench_stop below; no job notice when it is.
  disown "$lumo_pid" 2>/dev/null
  sleep 3
  bench_idle_cpu "$lumo_pid"
  local lumo_ms=$IDLE_MS lumo_pct=$IDLE_PERCENT

  bench_log "latency: $BENCH_PRESSES presses with the focus on the virtual mouse window"
  bench_latency "$TITLE_VIRTUAL_MOUSE" windowfocus "in LumoMouse"
  bench_log "latency: $BENCH_PRESSES presses with the focus on another program's window"
  e2e_start_click_target 40 40 320 200
  bench_latency "e2e click target" windowactivate "elsewhere"
  e2e_program_running || bench_die "LumoMouse ended during the latency runs"
  bench_stop "$lumo_pid"
  lumo_stop_pid "$E2E_CLICK_TARGET_PID"

  bench_log "idle CPU of the bare program for ${BENCH_IDLE_SECONDS} s"
  bench_idle_bare
  local bare_ms=$IDLE_MS bare_pct=$IDLE_PERCENT
  bench_log "idle CPU of the bare program making the engine's calls for ${BENCH_IDLE_SECONDS} s"
  bench_idle_bare probe
  local probe_ms=$IDLE_MS probe_pct=$IDLE_PERCENT

  local ratio
  ratio=$(bench_ratio "$lumo_ms" "$bare_ms")
  bench_row "idle CPU over ${BENCH_IDLE_SECONDS} s, vs bare" "$ratio ($lumo_pct% / $bare_pct% of a core)" "<= 1.2" \
    "$(bench_verdict "$ratio" 'v <= 1.2')"
  ratio=$(bench_ratio "$lumo_ms" "$probe_ms")
  bench_row "  same, vs bare making the engine's 7 calls/tick" "$ratio ($lumo_pct% / $probe_pct%)" "-" "-"
}

bench_ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "inf" }'; }

# Idle CPU of bare_timers.exe run with the arguments given.
bench_idle_bare() {
  bench_start "$BENCH_OUT/bare_timers.exe" "$@"
  local pid=$BENCH_PID
  lumo_wait_until 30 bench_has_icon || bench_die "the bare program shows no tray icon"
  sleep 3
  bench_idle_cpu "$pid"
  bench_stop "$pid"
}

# Size of the stripped program and its imports: every DLL it names must be
# one that Windows itself has (Wine's system32 holds exactly those).
bench_exe_facts() {
  local stripped=$BENCH_OUT/LumoMouse.stripped.exe
  x86_64-w64-mingw32-strip -o "$stripped" "$E2E_EXE" || bench_die "cannot strip $E2E_EXE"
  local bytes kib
  bytes=$(stat -c %s "$stripped")
  kib=$(((bytes + 1023) / 1024))
  bench_row "LumoMouse.exe size, stripped" "$kib KB" "<= 300 KB" "$(bench_verdict "$kib" 'v <= 300')"

  local dll dlls=() foreign=()
  while read -r dll; do
    dlls+=("$dll")
    [[ -n $(find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll" -print -quit) ]] ||
      foreign+=("$dll")
  done < <(x86_64-w64-mingw32-objdump -p "$E2E_EXE" | awk '/DLL Name:/ { print $3 }' | sort -fu)
  local names=("${dlls[@],,}")
  names=("${names[@]%.dll}")
  bench_row "imported DLLs (${#dlls[@]})" "${names[*]}" "system DLLs only" \
    "$( ((${#foreign[@]} == 0)) && echo PASS || echo "MISS: ${foreign[*]}")"
}

# ---------------------------------------------------------------- main

bench_log "building"
bench_build || bench_die "build failed"
[[ -f $E2E_EXE ]] || bench_die "program not found: $E2E_EXE"
bench_log "engine tick under callgrind"
bench_engine_tick
bench_wine

bench_print_table | tee "$BENCH_OUT/results.txt"
