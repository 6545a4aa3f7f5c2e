# shellcheck shell=bash disable=SC2034  # results are left in variables for the tests
# Helpers for the end-to-end tests: the program runs under Wine on a private
# X display; the tests drive it with real X input (xdotool, XTest) and read
# its windows back through small Win32 helpers running in the same prefix.
#
# Sourced by run-all.sh. A test is a shell function named test_<something>
# in a tests/e2e/test_*.sh file; it runs in its own bash process with a
# fresh display, a fresh copy of the Wine prefix and a fresh program start.
# Every wait is bounded; every assertion that fails ends the test.
#
# Helpers that can fail leave their result in E2E_* variables rather than
# printing it: a failure inside $(...) would end only the subshell.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
LUMO_ROOT=${LUMO_ROOT:-$(cd "$E2E_DIR/../.." && pwd)}
# shellcheck source=scripts/wine-env.sh
source "$LUMO_ROOT/scripts/wine-env.sh"

E2E_EXE=${LUMO_EXE:-$LUMO_ROOT/build/win64/LumoMouse.exe}
E2E_TOOLS=$LUMO_TOOLS_DIR
E2E_ARTIFACTS=${E2E_ARTIFACTS:-$LUMO_ROOT/artifacts}
E2E_WORK=$LUMO_ROOT/build/e2e/work
# Seconds for the program's first window: a fresh prefix copy makes Wine's
# first start slow (explorer, registry), several seconds on a busy machine.
E2E_START_TIMEOUT=${E2E_START_TIMEOUT:-30}
E2E_TIMEOUT=${E2E_TIMEOUT:-10}

# Window titles of the program.
readonly TITLE_SETTINGS="Lumo桌面小鼠标"
readonly TITLE_VIRTUAL_MOUSE="Lumo虚拟鼠标"
readonly TITLE_TRAY_MENU="Lumo托盘菜单"
readonly TITLE_ABOUT="关于"
# The version as the build generated it from CMakeLists.txt (the header sits
# beside the exe's build; the native build has the same one).
lumo_version_text() {
  local header
  for header in "$(dirname "$E2E_EXE")/generated/lumo_version.h" "$LUMO_ROOT/build/native/generated/lumo_version.h"; do
    [[ -f $header ]] && sed -n 's/^#define LUMO_VERSION_TEXT "\(.*\)"$/\1/p' "$header" && return 0
  done
  echo "lumo_version_text: no generated lumo_version.h" >&2
  return 1
}
# Two lines; the window list shows the line break as a space.
TRAY_TIP="Lumo桌面小鼠标(版本 $(lumo_version_text)) 键盘鼠标：关"
readonly TRAY_TIP

# The screen's dots per inch in the test's prefix: 96 unless a test picks
# another with e2e_use_dpi (or E2E_DPI is set for the whole run; the pixel
# figures of most tests are those of 96 dpi).
E2E_DPI=${E2E_DPI:-96}

E2E_TEST=${E2E_TEST:-adhoc}

e2e_log() { echo "  [$E2E_TEST] $*" >&2; }

# ---------------------------------------------------------------- tools

# Native X tools and the Win32 console helpers, rebuilt when their source
# is newer than the binary, and the layout of the controls.
e2e_build_tools() {
  lumo_build_x_tools || return 1
  e2e_build_layout || return 1
  # Every tool that writes through console_out.h is a Win32 one.
  local source binary
  for source in "$E2E_DIR"/tools/*.c; do
    grep -q '"console_out.h"' "$source" || continue
    binary=$E2E_TOOLS/$(basename "$source" .c).exe
    if [[ ! -f $binary || $source -nt $binary || $E2E_DIR/tools/console_out.h -nt $binary ]]; then
      x86_64-w64-mingw32-gcc -O2 -Wall -Wextra -municode -DUNICODE -D_UNICODE -D_WIN32_WINNT=0x0A00 \
        -o "$binary" "$source" -luser32 -lgdi32 -s || return 1
    fi
  done
}

# Where the controls of the program's windows lie, by name: written by the
# native build's control_layout tool (e2e_build_tools brings it up to date).
E2E_LAYOUT=$LUMO_ROOT/build/native/control_layout.tsv
e2e_build_layout() {
  local build=$LUMO_ROOT/build/native
  if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$LUMO_ROOT" -B "$build" >/dev/null || return 1
  fi
  cmake --build "$build" -j2 --target control_layout_file >/dev/null
}

# The rectangle of control $3 (its member name) of window $2 (its class),
# twips from the window's top-left corner, into the array named $1:
# left top width height.
e2e_control_rect() {
  local -n e2e_rect_into=$1
  local e2e_rect_found
  e2e_rect_found=$(awk -F'\t' -v w="$2" -v c="$3" '$1 == w && $2 == c { print $3, $4, $5, $6 }' "$E2E_LAYOUT")
  [[ -n $e2e_rect_found ]] || e2e_fail "no control $3 of $2 in $E2E_LAYOUT"
  read -ra e2e_rect_into <<<"$e2e_rect_found"
}

# ---------------------------------------------------------------- assertions

# Ends the test as failed, keeping a screenshot and the window list.
e2e_fail() {
  echo "  FAIL [$E2E_TEST]: $*" >&2
  if [[ -n ${E2E_TEST_DIR:-} && -n ${DISPLAY:-} ]]; then
    e2e_screenshot failure >/dev/null 2>&1 || true
    e2e_windows >"$E2E_TEST_DIR/logs/windows-at-failure.txt" 2>&1 || true
  fi
  exit 1
}

# Ends a test this machine cannot run at all (never one that fails) as
# skipped; run-all counts it apart and says why.
E2E_SKIP_STATUS=77
e2e_skip() {
  echo "  SKIP [$E2E_TEST]: $*" >&2
  exit "$E2E_SKIP_STATUS"
}

e2e_assert_eq() {
  local expected=$1 actual=$2 what=$3
  [[ "$actual" == "$expected" ]] || e2e_fail "$what: expected '$expected', got '$actual'"
}

# |actual - expected| <= tolerance, all integers.
e2e_assert_near() {
  local expected=$1 actual=$2 tolerance=$3 what=$4
  [[ $actual =~ ^-?[0-9]+$ ]] || e2e_fail "$what: '$actual' is not a number"
  local diff=$((actual - expected))
  ((diff < 0)) && diff=$((-diff))
  ((diff <= tolerance)) || e2e_fail "$what: expected $expected (±$tolerance), got $actual"
}

e2e_assert_true() {
  local what=$1
  shift
  "$@" || e2e_fail "$what"
}

# Every wait of the tests: runs the probe "${@:3}" in this shell until it
# succeeds, every E2E_WAIT_POLL seconds (0.1 unless set for the call), for
# at most $1 seconds; then the test fails, saying what it waited for ($2)
# and what the probe saw last. A probe may leave what it saw in E2E_SAW, and
# may set E2E_WAIT_ABORT to give up at once (the program ended, say). With
# E2E_WAIT_SOFT set for the call, a time-out returns 1 instead (for e2e_retry).
e2e_wait() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((${EPOCHREALTIME/./} + seconds * 1000000))
  E2E_SAW="" E2E_WAIT_ABORT=""
  while ! "$@" >/dev/null; do
    [[ -n $E2E_WAIT_ABORT ]] && e2e_fail "waited for $what: $E2E_WAIT_ABORT (last seen: ${E2E_SAW:-nothing})"
    if ((${EPOCHREALTIME/./} >= deadline)); then
      [[ -n ${E2E_WAIT_SOFT:-} ]] && return 1
      e2e_fail "waited ${seconds}s for $what${E2E_SAW:+; last seen: $E2E_SAW}"
    fi
    sleep "${E2E_WAIT_POLL:-0.1}"
  done
}

# Runs "${@:3}" until it succeeds, $1 times at most, logging each retry so
# that a flaky run shows: only for X input that Wine is known to drop now and
# then (the caller says which). $2 names the input; the command returns
# non-zero when it was lost, and sees its try's number in E2E_TRY.
e2e_retry() {
  local tries=$1 what=$2
  shift 2
  for ((E2E_TRY = 1; E2E_TRY <= tries; E2E_TRY++)); do
    "$@" && return 0
    ((E2E_TRY < tries)) && e2e_log "retry: $what was lost (try $E2E_TRY of $tries)"
  done
  e2e_fail "$what was lost $tries times"
}

# ---------------------------------------------------------------- lifecycle

# Fresh display, fresh prefix copy, persistent wineserver; the state file
# lets run-all.sh clean up after a test that was killed on timeout.
e2e_setup() {
  mkdir -p "$E2E_WORK" "$E2E_ARTIFACTS/screenshots"
  E2E_TEST_DIR=$E2E_WORK/$E2E_TEST
  rm -rf "$E2E_TEST_DIR"
  mkdir -p "$E2E_TEST_DIR"
  LUMO_LOG_DIR=$E2E_TEST_DIR/logs
  lumo_env_start --prefix "$E2E_TEST_DIR/prefix" --dpi "$E2E_DPI" || e2e_fail "could not start the Wine desktop"
  echo "$WINEPREFIX $LUMO_XVFB_PID $LUMO_OPENBOX_PID $LUMO_TRAYER_PID" >"$E2E_TEST_DIR/env-state"
  trap e2e_teardown EXIT
}

e2e_teardown() {
  local status=$?
  trap - EXIT
  e2e_screenshot >/dev/null 2>&1 || true
  lumo_env_stop
  rm -f "$E2E_TEST_DIR/env-state"
  # The prefix copy is ~700 MB; keep only the logs.
  rm -rf "$E2E_TEST_DIR/prefix"
  exit "$status"
}

# Cleans up after a test process that died without its own teardown.
e2e_cleanup_leftover() {
  local state=$1 prefix xvfb openbox trayer
  read -r prefix xvfb openbox trayer <"$state" || return 0
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  lumo_stop_pid "$trayer"
  lumo_stop_pid "$openbox"
  lumo_stop_pid "$xvfb"
  rm -rf "$prefix" "$state"
}

# ---------------------------------------------------------------- the program

# Starts the program under test with the given arguments; E2E_APP_PID is the
# Unix PID of its Wine process (the wine loader becomes the program).
e2e_start_program() {
  [[ -f $E2E_EXE ]] || e2e_fail "program not built: $E2E_EXE"
  wine "$E2E_EXE" "$@" >>"$E2E_TEST_DIR/logs/program.log" 2>&1 &
  E2E_APP_PID=$!
}

e2e_program_running() { lumo_pid_alive "${E2E_APP_PID:-}"; }

# Waits until the program's process has ended.
e2e_wait_program_exit() { e2e_wait "${1:-$E2E_TIMEOUT}" "the program to end" e2e_program_gone; }
e2e_program_gone() { ! e2e_program_running; }
e2e_pid_gone() { ! lumo_pid_alive "$1"; }

# Starts the program and waits for its settings window: the usual first step.
e2e_start_and_wait_settings() {
  e2e_start_program
  e2e_wait_window "$TITLE_SETTINGS" 1 "$E2E_START_TIMEOUT"
}

# Starts the program and waits for its settings window to come to rest; its
# winlist line is then in SETTINGS.
open_settings() {
  e2e_start_and_wait_settings
  e2e_wait_settled "$TITLE_SETTINGS"
  SETTINGS=$E2E_WINDOW
}

# Clicks a control of the settings window given by its member name in the
# layout (hotkeysCheck) or by the name of an array holding its rectangle,
# with mouse button $2 (1, the left one, unless given).
click_setting() {
  local -a spot
  if [[ $1 == [a-z]* ]]; then
    e2e_control_rect spot SettingsWindow "$1"
  else
    local -n named_spot=$1
    spot=("${named_spot[@]}")
  fi
  e2e_click_in_window_twips "$SETTINGS" "${spot[@]}" "${2:-1}"
}

settings_gone() { [[ -z $(e2e_find_window "$TITLE_SETTINGS") ]]; }

# Shows the settings window again with a left click on the tray icon
# (e2e_wait_tray_icon first; after an apply this loads it afresh) and waits
# for it to come to rest.
reopen_settings() {
  e2e_tray_click 1
  e2e_wait_settled "$TITLE_SETTINGS"
  SETTINGS=$E2E_WINDOW
}

# Clicks the apply button; APPLIED_AT is the wall clock of the click, in
# microseconds. The settings window is unloaded and the virtual mouse loads.
apply_settings() {
  click_apply
  e2e_wait "$E2E_TIMEOUT" "the settings window to go on apply" settings_gone
  e2e_wait_window "$TITLE_VIRTUAL_MOUSE" any
}
click_apply() {
  click_setting applyButton
  APPLIED_AT=${EPOCHREALTIME/./}
}

# Milliseconds since apply.
ms_since_apply() { echo $(((${EPOCHREALTIME/./} - APPLIED_AT) / 1000)); }

# Sleeps until $1 ms after apply (at once when that has passed): for the
# virtual mouse's first ticks, which show nothing when they pass (the follow
# tick 1 s and the upkeep tick 1.5 s after it loads).
sleep_until_after_apply() {
  local left=$(($1 - $(ms_since_apply)))
  ((left > 0)) && sleep "$(printf '%d.%03d' $((left / 1000)) $((left % 1000)))"
  return 0
}

# Opens the settings window's window menu (a native frame) with its title
# icon and waits for it to show.
open_window_menu() {
  click_setting windowMenuIcon
  e2e_wait "$E2E_TIMEOUT" "the window menu to open" window_menu_open
}
window_menu_open() {
  local menu frame
  e2e_control_rect menu SettingsWindow windowMenu
  frame=$(e2e_find_control "$SETTINGS" "${menu[0]}" "${menu[1]}" LumoFormSurface)
  [[ -n $frame && $(e2e_field "$frame" visible) == 1 ]]
}

# The key picker's list is shown.
key_list_visible() {
  e2e_windows | awk -F'\t' 'tolower($6) == "listbox" && $14 == 1 { found = 1 } END { exit !found }'
}
key_list_hidden() { ! key_list_visible; }

# The program started from now on sees the screen at $1 dots per inch.
e2e_use_dpi() {
  lumo_set_dpi "$1" || e2e_fail "could not set $1 dpi"
  E2E_DPI=$1
}

# Twips in whole pixels at E2E_DPI, rounded as the program rounds (halves to even).
e2e_px() {
  local product=$(($1 * E2E_DPI)) pixels remainder
  pixels=$((product / 1440)) remainder=$((product % 1440 * 2))
  ((remainder > 1440 || (remainder == 1440 && pixels % 2 == 1))) && pixels=$((pixels + 1))
  echo "$pixels"
}

# Runs one of the Win32 helpers of build/e2e in the test's prefix.
e2e_helper() {
  local tool=$1
  shift
  wine "$E2E_TOOLS/$tool.exe" "$@" 2>/dev/null
}

# Windows form of a Unix path, for arguments of Win32 helpers.
e2e_winpath() { lumo_winpath "$1"; }

# ---------------------------------------------------------------- windows

# Columns of winlist.exe (see tools/winlist.c).
declare -A E2E_COL=(
  [level]=1 [hwnd]=2 [parent]=3 [owner]=4 [pid]=5 [class]=6 [title]=7 [left]=8 [top]=9
  [width]=10 [height]=11 [client_width]=12 [client_height]=13 [visible]=14 [iconic]=15
  [exstyle]=16 [topmost]=17 [focus]=18
)

# Every window of the desktop, one line each (no header).
e2e_windows() { e2e_helper winlist | grep -v '^#'; }

# The value of a named column in one winlist line.
e2e_field() {
  local line=$1 name=$2
  cut -f "${E2E_COL[$name]}" <<<"$line"
}

# The winlist line of the first top-level window titled exactly $1 (empty
# when there is none).
e2e_find_window() {
  e2e_windows | awk -F'\t' -v title="$1" '$1 == "top" && $7 == title { print; exit }'
}

# Waits for a top-level window titled $1 whose visibility is $2 (1 or 0, or
# "any"); its winlist line goes to E2E_WINDOW and its rectangle to
# E2E_LEFT, E2E_TOP, E2E_WIDTH, E2E_HEIGHT.
e2e_wait_window() {
  local title=$1 visible=${2:-1}
  e2e_wait "${3:-$E2E_TIMEOUT}" "window '$title' with visible=$visible" e2e_window_is "$title" "$visible"
}
e2e_window_is() {
  local line
  line=$(e2e_find_window "$1")
  if [[ -z $line ]]; then
    E2E_SAW="no window"
    [[ -n ${E2E_APP_PID:-} ]] && ! e2e_program_running && E2E_WAIT_ABORT="the program ended"
    return 1
  fi
  E2E_WINDOW=$line
  read -r E2E_LEFT E2E_TOP E2E_WIDTH E2E_HEIGHT <<<"$(e2e_geometry "$line")"
  E2E_SAW="visible=$(e2e_field "$line" visible) at $E2E_LEFT $E2E_TOP $E2E_WIDTH $E2E_HEIGHT"
  [[ $2 == any || $(e2e_field "$line" visible) == "$2" ]]
}

# Waits until no top-level window titled $1 is visible (hidden or gone).
e2e_wait_window_hidden() {
  e2e_wait "${2:-$E2E_TIMEOUT}" "window '$1' hidden or gone" e2e_window_hidden "$1"
}
e2e_window_hidden() { ! e2e_window_is "$1" 1; }

# Waits until the visible window titled $1 has the rectangle "$2 $3 $4 $5"
# (left top width height; "*" matches anything). Wine may report a passing
# position while the window manager re-frames a window that was just shown,
# so geometry is checked until it settles rather than once.
e2e_wait_rect() {
  local want="$2 $3 $4 $5"
  e2e_wait "${6:-$E2E_TIMEOUT}" "window '$1' shown with rectangle '$want' (left top width height)" \
    e2e_window_rect_is "$1" "$want"
}
e2e_window_rect_is() {
  e2e_window_is "$1" 1 || return 1
  local -a want actual=("$E2E_LEFT" "$E2E_TOP" "$E2E_WIDTH" "$E2E_HEIGHT")
  read -ra want <<<"$2"
  local i
  for i in 0 1 2 3; do
    [[ ${want[i]} == '*' || ${want[i]} == "${actual[i]}" ]] || return 1
  done
}

# Waits until the visible window titled $1 reports the same rectangle twice
# in a row, half a second apart; sets E2E_WINDOW and E2E_LEFT... as above.
e2e_wait_settled() {
  E2E_SETTLED_AT="" E2E_WAIT_POLL=0.5 e2e_wait "${2:-$E2E_TIMEOUT}" "window '$1' shown and at rest" \
    e2e_window_settled "$1"
}
e2e_window_settled() {
  local previous=$E2E_SETTLED_AT
  E2E_SETTLED_AT=
  e2e_window_is "$1" 1 || return 1
  E2E_SETTLED_AT="$E2E_LEFT $E2E_TOP $E2E_WIDTH $E2E_HEIGHT"
  [[ $E2E_SETTLED_AT == "$previous" ]]
}

# "left top width height" of a winlist line.
e2e_geometry() {
  local line=$1
  echo "$(e2e_field "$line" left) $(e2e_field "$line" top) $(e2e_field "$line" width) $(e2e_field "$line" height)"
}

# Clicks at the centre of a rectangle given in twips relative to the
# top-left corner of the window of a winlist line.
e2e_click_in_window_twips() {
  local line=$1 left=$2 top=$3 width=$4 height=$5 button=${6:-1}
  local x=$(($(e2e_field "$line" left) + $(e2e_px $((left + width / 2)))))
  local y=$(($(e2e_field "$line" top) + $(e2e_px $((top + height / 2)))))
  e2e_click "$x" "$y" "$button"
}

# ---------------------------------------------------------------- input

# xdotool's --sync waits about 15 s for a motion that never comes when the
# pointer is already there, so a move to the same place is skipped.
e2e_move() {
  e2e_pointer
  [[ $E2E_POINTER_X == "$1" && $E2E_POINTER_Y == "$2" ]] && return 0
  xdotool mousemove --sync "$1" "$2"
}

e2e_click() {
  local x=$1 y=$2 button=${3:-1}
  e2e_move "$x" "$y"
  # Wine learns of the move when one of its threads reads the X motion
  # event; nothing outside Wine shows when that happened, and a press read
  # first would land where Wine last saw the pointer.
  sleep 0.1
  xdotool click "$button"
}

# The X pointer position into E2E_POINTER_X, E2E_POINTER_Y.
e2e_pointer() {
  local location
  location=$(xdotool getmouselocation --shell) || e2e_fail "cannot read the pointer position"
  E2E_POINTER_X=$(sed -n 's/^X=//p' <<<"$location")
  E2E_POINTER_Y=$(sed -n 's/^Y=//p' <<<"$location")
}

# True when the pointer stands at $1,$2.
e2e_pointer_at() {
  e2e_pointer
  E2E_SAW="the pointer at $E2E_POINTER_X,$E2E_POINTER_Y"
  [[ $E2E_POINTER_X == "$1" && $E2E_POINTER_Y == "$2" ]]
}

# Waits until two readings of the pointer 0.1 s apart agree (at most 1 s);
# the pointer is then in E2E_POINTER_X, E2E_POINTER_Y.
e2e_wait_pointer_still() {
  E2E_POINTER_BEFORE="" e2e_wait 1 "the pointer to stop" e2e_pointer_still
}
e2e_pointer_still() {
  local previous=$E2E_POINTER_BEFORE
  e2e_pointer
  E2E_POINTER_BEFORE="$E2E_POINTER_X,$E2E_POINTER_Y"
  E2E_SAW="the pointer moving, at $E2E_POINTER_BEFORE"
  [[ $E2E_POINTER_BEFORE == "$previous" ]]
}

# X keycodes (evdev) of the keys that work the windows without a mouse.
declare -rA E2E_XKEY=([TAB]=23 [RETURN]=36 [ESCAPE]=9 [SPACE]=65 [UP]=111 [DOWN]=116 [SHIFT]=50)
# Taps the keys named $@ (E2E_XKEY names; SHIFT+TAB holds Shift) one after
# another, into the window that has the X focus.
e2e_keys() {
  local key
  for key; do
    [[ $key == SHIFT+* ]] && e2e_key_down "${E2E_XKEY[SHIFT]}"
    "$E2E_TOOLS/xkey" tap "${E2E_XKEY[${key#SHIFT+}]}"
    [[ $key == SHIFT+* ]] && e2e_key_up "${E2E_XKEY[SHIFT]}"
    # A key may move the focus or open a window that takes the next one;
    # what changes differs by key, so the keys are paced as a user types.
    sleep 0.2
  done
}
# "class title" of the window of the process of winlist line $1 that has the
# keyboard focus, into E2E_FOCUS (a painted stop's focus is its form's window).
e2e_focus_in() {
  E2E_FOCUS=$(e2e_windows | awk -F'\t' -v pid="$(e2e_field "$1" pid)" '$5 == pid && $18 == 1 { print $6 " " $7; exit }')
}
e2e_has_focus() {
  e2e_focus_in "$1"
  [[ -n $E2E_FOCUS ]]
}
e2e_focus_on_text_box() {
  e2e_focus_in "$1"
  [[ $E2E_FOCUS == Edit* ]]
}
e2e_key_down() { "$E2E_TOOLS/xkey" down "$1"; }
e2e_key_up() { "$E2E_TOOLS/xkey" up "$1"; }

# ---------------------------------------------------------------- tray icon

# Lines "x y width height window" of the icons docked in trayer.
e2e_tray_icons() { "$E2E_TOOLS/xprobe" icons; }

# Waits for exactly one docked icon; sets E2E_ICON_X/Y/W/H and its centre
# E2E_ICON_CX/CY.
e2e_wait_tray_icon() { e2e_wait "${1:-$E2E_TIMEOUT}" "exactly one tray icon" e2e_one_tray_icon; }
e2e_one_tray_icon() {
  local icons
  icons=$(e2e_tray_icons)
  E2E_SAW="icons '${icons//$'\n'/; }'"
  [[ $(grep -c . <<<"$icons") == 1 ]] || return 1
  read -r E2E_ICON_X E2E_ICON_Y E2E_ICON_W E2E_ICON_H _ <<<"$icons"
  E2E_ICON_CX=$((E2E_ICON_X + E2E_ICON_W / 2))
  E2E_ICON_CY=$((E2E_ICON_Y + E2E_ICON_H / 2))
}

e2e_wait_no_tray_icon() { e2e_wait "${1:-$E2E_TIMEOUT}" "no tray icon" e2e_tray_empty; }
e2e_tray_empty() {
  E2E_SAW="icons '$(e2e_tray_icons | paste -sd ';')'"
  [[ $E2E_SAW == "icons ''" ]]
}

e2e_tray_click() { e2e_click "$E2E_ICON_CX" "$E2E_ICON_CY" "${1:-1}"; }

# Hovers over the icon until the shell shows its tooltip; the text goes to
# E2E_TIP.
e2e_tray_tip() {
  local timeout=${1:-$E2E_TIMEOUT}
  e2e_move "$E2E_ICON_CX" "$E2E_ICON_CY"
  # Tooltips start their timer on a move inside the tool.
  e2e_move $((E2E_ICON_CX + 1)) "$E2E_ICON_CY"
  e2e_wait "$timeout" "a tooltip over the tray icon" e2e_tooltip_shown
}
e2e_tooltip_shown() {
  E2E_TIP=$(e2e_visible_tooltip)
  [[ -n $E2E_TIP ]]
}

e2e_visible_tooltip() {
  e2e_windows | awk -F'\t' '$6 == "tooltips_class32" && $14 == 1 { print $7; exit }'
}

# Waits until no tooltip is on screen.
e2e_wait_no_tooltip() { e2e_wait "${1:-$E2E_TIMEOUT}" "no tooltip on screen" e2e_no_tooltip_visible; }
e2e_no_tooltip_visible() {
  E2E_SAW="tooltip '$(e2e_visible_tooltip)'"
  [[ $E2E_SAW == "tooltip ''" ]]
}

# ---------------------------------------------------------------- evidence

# Screenshot of the whole screen to artifacts/screenshots/<test>[-suffix].png
# (the teardown takes <test>.png); prints the path.
e2e_screenshot() {
  local suffix=${1:+-$1}
  local path=$E2E_ARTIFACTS/screenshots/$E2E_TEST$suffix.png
  mkdir -p "$(dirname "$path")"
  import -display "$DISPLAY" -window root "$path" && echo "$path"
}

# Saves the window of winlist line $1, cropped from the screen, as the PNG
# file $2 (no time stamps, so an unchanged picture gives an unchanged file),
# once two pictures in a row agree: a window repaints a moment after a
# tooltip or the pointer leaves it.
e2e_save_window_picture() {
  mkdir -p "$(dirname "$2")"
  rm -f "$E2E_TEST_DIR/picture-last.png"
  E2E_WAIT_POLL=0.2 e2e_wait "$E2E_TIMEOUT" "a steady picture of '$(e2e_field "$1" title)'" e2e_picture_steady "$1"
  mv "$E2E_TEST_DIR/picture-last.png" "$2"
}
e2e_picture_steady() {
  local line=$1 last=$E2E_TEST_DIR/picture-last.png now=$E2E_TEST_DIR/picture-now.png geometry same=1
  geometry="$(e2e_field "$line" width)x$(e2e_field "$line" height)+$(e2e_field "$line" left)+$(e2e_field "$line" top)"
  import -display "$DISPLAY" -window root -crop "$geometry" +repage -strip \
    -define png:exclude-chunks=date,time "$now" || e2e_fail "cannot take a picture of $geometry"
  cmp -s "$now" "$last" && same=0
  mv "$now" "$last"
  return $same
}

# The width in pixels of what is drawn within a rectangle (twips: left top
# width height) of the window of winlist line $1 that shows anything but the
# colour of the rectangle's corners, into E2E_INK_WIDTH.
e2e_ink_width() {
  local line=$1 shot=$E2E_TEST_DIR/ink.png
  local geometry
  geometry="$(e2e_px "$4")x$(e2e_px "$5")+$(($(e2e_field "$line" left) + $(e2e_px "$2")))"
  geometry+="+$(($(e2e_field "$line" top) + $(e2e_px "$3")))"
  import -display "$DISPLAY" -window root -crop "$geometry" +repage "$shot" || e2e_fail "cannot take $geometry"
  E2E_INK_WIDTH=$(convert "$shot" -fuzz 10% -trim -format '%w' info:) || e2e_fail "cannot measure $shot"
}

# The width in pixels of a text in the forms' default font (宋体, 9 points)
# at E2E_DPI, as the system lays it out, into E2E_TEXT_WIDTH.
e2e_text_width() {
  local output
  output=$(e2e_helper textwidth "$(e2e_px 180)" "$1") || e2e_fail "textwidth failed: $output"
  E2E_TEXT_WIDTH=$output
}

# Colour of one screen pixel as "srgb(r,g,b)".
e2e_pixel() {
  local shot=$E2E_TEST_DIR/pixel.png
  import -display "$DISPLAY" -window root "$shot" &&
    convert "$shot" -format "%[pixel:p{$1,$2}]" info:
}

# ---------------------------------------------------------------- helpers for later tests

# A window that logs the clicks it receives; E2E_CLICK_LOG is its log file.
e2e_start_click_target() {
  local left=$1 top=$2 width=$3 height=$4
  E2E_CLICK_LOG=$E2E_TEST_DIR/clicks.log
  rm -f "$E2E_CLICK_LOG"
  wine "$E2E_TOOLS/clicktarget.exe" "$(e2e_winpath "$E2E_CLICK_LOG")" "$left" "$top" "$width" "$height" \
    >"$E2E_TEST_DIR/logs/clicktarget.log" 2>&1 &
  E2E_CLICK_TARGET_PID=$!
  e2e_wait "$E2E_TIMEOUT" "the click target to start" grep -qs '^ready' "$E2E_CLICK_LOG"
}

# The click target, started and given the X focus, so that Wine sees keys.
readonly E2E_CLICK_TARGET_TITLE="e2e click target"
e2e_focus_click_target() {
  e2e_start_click_target "$@"
  e2e_focus_window "$E2E_CLICK_TARGET_TITLE"
}

# The button messages logged so far (lines "WM_LBUTTONDOWN x y"), the key
# messages (lines "WM_KEYDOWN 0x26") but for the NumLock the set-up switches,
# and the characters typed (lines "WM_CHAR 0x41").
e2e_clicks() { grep -v -e '^ready' -e '^WM_KEY' -e '^WM_CHAR' "$E2E_CLICK_LOG" 2>/dev/null || true; }
e2e_logged_keys() { grep '^WM_KEY' "$E2E_CLICK_LOG" 2>/dev/null | grep -v ' 0x90$' || true; }
e2e_logged_chars() { grep '^WM_CHAR' "$E2E_CLICK_LOG" 2>/dev/null || true; }

# Every web address the program hands to the shell is appended to
# E2E_URL_LOG instead of opening a browser.
e2e_capture_browser() {
  E2E_URL_LOG=$E2E_TEST_DIR/urls.log
  : >"$E2E_URL_LOG"
  local capture=$E2E_TEST_DIR/capture-url.sh
  printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$E2E_URL_LOG" >"$capture"
  chmod +x "$capture"
  wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$capture" /f >/dev/null 2>&1 ||
    e2e_fail "could not register the browser capture"
}

# "gdi <n> windows <m> types ..." for the Windows process id $1.
e2e_gdi_count() { e2e_helper gdicount "$1"; }

e2e_broadcast_taskbar_created() { e2e_helper shellmsg taskbarcreated >/dev/null; }

# ---------------------------------------------------------------- X windows

# The first X window whose name matches $1, into E2E_XWINDOW. xdotool
# walks the whole window tree and gives up when a window vanishes under it
# (as the settings window's do right after apply), so it is asked again.
e2e_find_xwindow() { E2E_WAIT_POLL=0.05 e2e_wait "$E2E_TIMEOUT" "an X window named '$1'" e2e_xwindow_named "$1"; }
e2e_xwindow_named() {
  E2E_XWINDOW=$(xdotool search --limit 1 --name "$1" 2>/dev/null)
  [[ -n $E2E_XWINDOW ]]
}

# ---------------------------------------------------------------- text boxes, opened addresses, tray menu

# The text of the visible child window (a text box) whose top-left corner
# lies $2,$3 twips from the top-left corner of the window of winlist line $1,
# into E2E_TEXT.
e2e_control_text() {
  local line=$1 x=$(($(e2e_field "$1" left) + $(e2e_px "$2"))) y=$(($(e2e_field "$1" top) + $(e2e_px "$3")))
  local child
  # Twips become pixels rounded to the nearest, so allow one pixel either way.
  child=$(e2e_windows | awk -F'\t' -v x="$x" -v y="$y" \
    '$1 == "child" && $14 == 1 && $8 - x <= 1 && x - $8 <= 1 && $9 - y <= 1 && y - $9 <= 1 { print; exit }')
  [[ -n $child ]] || e2e_fail "no control at $2,$3 twips in '$(e2e_field "$line" title)'"
  E2E_TEXT=$(e2e_field "$child" title)
}

# Waits until that control holds exactly $4.
e2e_wait_control_text() {
  e2e_wait "${5:-$E2E_TIMEOUT}" "the control at $2,$3 twips to hold '$4'" e2e_control_holds "$@"
}
e2e_control_holds() {
  e2e_control_text "$1" "$2" "$3"
  E2E_SAW="'$E2E_TEXT'"
  [[ $E2E_TEXT == "$4" ]]
}

# Binds every character of the given texts that no key carries (Chinese) to
# a key of its own, so that xdotool can type it like any other. Call it before
# the program starts: Wine gives such keys their virtual-key codes when it
# reads the keymap at start-up, and keys bound later may get none. (Left to
# itself, xdotool binds a missing character to a spare key only for the
# moment of the press; Wine looks the character up a little later, and on a
# busy machine the binding is often gone by then.)
e2e_bind_characters() {
  local -a free bindings=()
  local -A bound=()
  local text char i
  mapfile -t free < <(xmodmap -pke | awk 'NF == 3 { print $2 }')
  for text in "$@"; do
    for ((i = 0; i < ${#text}; i++)); do
      char=${text:i:1}
      [[ $char == [[:ascii:]] || -n ${bound[$char]:-} ]] && continue
      ((${#bindings[@]} / 2 < ${#free[@]})) || e2e_fail "no free key left to bind '$char' to"
      bound[$char]=1
      bindings+=(-e "keycode ${free[${#bindings[@]} / 2]} = $(printf 'U%04X' "'$char")")
    done
  done
  ((${#bindings[@]} == 0)) || xmodmap "${bindings[@]}" || e2e_fail "could not bind the keys for: $*"
}

# Types $4 (bound with e2e_bind_characters) into the focused, empty text box
# at $2,$3 twips of the window of winlist line $1 and waits until the box
# holds it.
e2e_type_into() {
  local line=$1 left=$2 top=$3 text=$4
  # A user types once the caret shows: wait for a text box of the program to
  # have the keyboard. Under Wine a click into a box sometimes leaves no
  # window active at all and the box without the focus; as a user would,
  # bring the window to the front and click into the box again.
  e2e_retry 4 "the click into the text box at $left,$top" e2e_text_box_takes_keys "$line" "$left" "$top"
  xdotool type --delay 30 -- "$text"
  e2e_wait_control_text "$line" "$left" "$top" "$text"
}

e2e_text_box_takes_keys() {
  if ((E2E_TRY > 1)); then
    e2e_focus_window "$(e2e_field "$1" title)"
    e2e_click_in_window_twips "$1" "$2" "$3" 120 120
  fi
  E2E_WAIT_SOFT=1 e2e_wait 5 "a text box with the keyboard" e2e_focus_on_text_box "$1"
}

# A value of a `std::string_view` constant in a configuration header of the
# program (relative to the source root), such as the hosts of the web pages.
e2e_config_value() {
  local header=$LUMO_ROOT/$1 name=$2 value
  value=$(sed -n "s/.*constexpr std::string_view $name = \"\\(.*\\)\";.*/\\1/p" "$header")
  [[ -n $value ]] || e2e_fail "no constant $name in $1"
  E2E_CONFIG_VALUE=$value
}

# Waits until the browser capture (e2e_capture_browser) has received $1
# addresses in all and no further one follows within half a second; they go
# to the array E2E_URLS in their order of arrival.
e2e_wait_urls() {
  e2e_wait "${2:-$E2E_TIMEOUT}" "$1 opened addresses" e2e_url_count_at_least "$1"
  # No state shows that no further address is on its way.
  sleep 0.5
  mapfile -t E2E_URLS <"$E2E_URL_LOG"
  e2e_assert_eq "$1" "${#E2E_URLS[@]}" "number of opened addresses ($(cat "$E2E_URL_LOG"))"
}
e2e_url_count_at_least() {
  E2E_SAW="'$(paste -sd ' ' "$E2E_URL_LOG")'"
  (($(grep -c . "$E2E_URL_LOG") >= $1))
}

# Right-clicks the tray icon (e2e_wait_tray_icon first) and waits for the
# menu window to show and come to rest; E2E_WINDOW is then its winlist line.
# The pointer then leaves the icon, so that the icon's tooltip (which pops
# up over the lower menu rows) is gone before an item is clicked.
e2e_open_tray_menu() {
  e2e_tray_click 3
  e2e_wait_window "$TITLE_TRAY_MENU" 1
  e2e_move 1 1
  e2e_wait_no_tooltip "$E2E_TIMEOUT"
  e2e_wait_settled "$TITLE_TRAY_MENU"
}

# ---------------------------------------------------------------- robustness and soak helpers

# Clicks a row of the open tray menu, given by its name (showSettingsItem,
# hideSettingsItem, aboutItem, exitItem).
e2e_click_tray_menu_row() {
  local row
  e2e_control_rect row TrayMenuWindow "$1"
  e2e_click_in_window_twips "$E2E_WINDOW" "${row[@]}"
}

# The Windows process id of the program, from its tray menu window (which
# lives for the whole run); into E2E_WIN_PID.
e2e_program_win_pid() {
  local line
  line=$(e2e_find_window "$TITLE_TRAY_MENU")
  [[ -n $line ]] || e2e_fail "no tray menu window to learn the program's process id from"
  E2E_WIN_PID=$(e2e_field "$line" pid)
}

# What the program holds right now: E2E_GDI (GDI objects), E2E_WINDOW_COUNT
# (its windows, top-level and child), E2E_RSS_KB and E2E_ANON_KB (resident
# and anonymous resident memory of its process, from /proc).
e2e_sample_resources() {
  [[ -n ${E2E_WIN_PID:-} ]] || e2e_program_win_pid
  local counts
  counts=$(e2e_gdi_count "$E2E_WIN_PID") || e2e_fail "gdicount failed: $counts"
  read -r _ E2E_GDI _ E2E_WINDOW_COUNT _ <<<"$counts"
  [[ $E2E_GDI =~ ^[0-9]+$ && $E2E_WINDOW_COUNT =~ ^[0-9]+$ ]] || e2e_fail "unreadable gdicount output: $counts"
  local status=/proc/${E2E_APP_PID:-none}/status
  E2E_RSS_KB=$(awk '$1 == "VmRSS:" { print $2 }' "$status" 2>/dev/null)
  E2E_ANON_KB=$(awk '$1 == "RssAnon:" { print $2 }' "$status" 2>/dev/null)
  [[ -n $E2E_RSS_KB && -n $E2E_ANON_KB ]] || e2e_fail "cannot read the memory of process ${E2E_APP_PID:-?}"
}

# One line for reports: "gdi N windows N rss N kB anon N kB".
e2e_resources_text() {
  echo "gdi $E2E_GDI windows $E2E_WINDOW_COUNT rss $E2E_RSS_KB kB anon $E2E_ANON_KB kB"
}

# Puts the UTF-8 text of a file on the clipboard of the Wine prefix.
e2e_set_clipboard_file() {
  local output
  output=$(e2e_helper setclip "$(e2e_winpath "$1")") || e2e_fail "setclip failed: $output"
}

# The same for a literal text.
e2e_set_clipboard() {
  local file=$E2E_TEST_DIR/clipboard.txt
  printf '%s' "$1" >"$file"
  e2e_set_clipboard_file "$file"
}

# Gives the X focus to the Wine window titled exactly $1: Wine reports keys
# to GetAsyncKeyState only while one of its windows has the X focus.
e2e_focus_window() {
  e2e_find_xwindow "^$1\$"
  xdotool windowactivate --sync "$E2E_XWINDOW" >/dev/null 2>&1 || e2e_fail "cannot activate '$1'"
}

# How many top-level windows are titled exactly $1.
e2e_count_windows() {
  e2e_windows | awk -F'\t' -v title="$1" '$1 == "top" && $7 == title { n++ } END { print n + 0 }'
}

# The winlist line of the native control of class $4 (Edit, Button ...)
# whose top-left corner lies $2 $3 twips from the corner of the window of
# line $1; a text box's text is its title column.
e2e_find_control() {
  local parent=$1 class=$4
  local x=$(($(e2e_field "$parent" left) + $(e2e_px "$2")))
  local y=$(($(e2e_field "$parent" top) + $(e2e_px "$3")))
  e2e_windows | awk -F'\t' -v x="$x" -v y="$y" -v class="$class" \
    '$1 == "child" && $6 == class && $8 == x && $9 == y { print; exit }'
}

# Calls of Shell_NotifyIconW made by the program so far with message $1
# (0 add, 1 modify, 2 delete); the program must have been started with
# WINEDEBUG=trace+systray (e2e_start_program_tracing_tray).
e2e_tray_calls() {
  grep -c "Shell_NotifyIconW dwMessage = $1," "$E2E_TEST_DIR/logs/program.log" 2>/dev/null
}

# e2e_start_program with Wine's trace of the program's tray calls in its log.
e2e_start_program_tracing_tray() {
  WINEDEBUG=trace+systray e2e_start_program
}

# True when the text box of winlist line $1 holds exactly $2.
e2e_box_holds() {
  e2e_window_text "$1"
  E2E_SAW="'${E2E_TEXT:0:40}' ($E2E_TEXT_LENGTH characters)"
  [[ $E2E_TEXT == "$2" ]]
}

# The whole text of the window (or control) whose winlist line is $1, into
# E2E_TEXT, and its length in UTF-16 units into E2E_TEXT_LENGTH.
e2e_window_text() {
  local output
  output=$(e2e_helper wintext "$(e2e_field "$1" hwnd)") || e2e_fail "wintext failed: $output"
  # $(...) took the newlines after an empty text as well.
  E2E_TEXT_LENGTH=${output%%$'\n'*}
  E2E_TEXT=
  [[ $output == *$'\n'* ]] && E2E_TEXT=${output#*$'\n'}
  return 0
}

# X-level views of the program's windows: a shown Wine window is a mapped X
# window. Much cheaper than the window list, for loops that show and hide
# windows many times. The X id of the shown window titled exactly $1 (empty
# when none is shown):
e2e_x_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
e2e_x_shown() { [[ -n $(e2e_x_window "$1") ]]; }
e2e_x_hidden() { [[ -z $(e2e_x_window "$1") ]]; }

# True when the window titled $1 is shown with its top-left corner at $2,$3.
e2e_x_at() {
  local id
  id=$(e2e_x_window "$1")
  [[ -n $id && $(xdotool getwindowgeometry --shell "$id" | grep -E '^[XY]=' | tr '\n' ' ') == "X=$2 Y=$3 " ]]
}
