# shellcheck shell=bash disable=SC2034,SC2153  # arrays passed by name; E2E_* set by lib.sh
# Robustness: a long run with hotkeys held, bad and huge input typed and
# pasted for real, a hammered tray icon, a shell restart message, repeated
# hiding, showing and reloading of the settings window, every way out
# leaving no icon behind, and the README's pictures of the four windows (and
# of the settings window at 150 %).
#
# Resource counts come from gdicount.exe (GDI objects from the process's
# handle table, GetGuiResources being a stub under Wine; windows by
# enumeration) and memory from /proc/<pid>/status of the program's process.

# Controls of the settings window, twips from its corner (left top width
# height), from the layout of the windows.
e2e_control_rect SETTINGS_STEP_BOX SettingsWindow stepBox
e2e_control_rect SETTINGS_LEFT_CLICK_KEY_BOX SettingsWindow leftClickKeyBox
e2e_control_rect SETTINGS_LEFT_KEY_BOX SettingsWindow leftKeyBox
e2e_control_rect SETTINGS_CHAT_BOX SettingsWindow chatBox
e2e_control_rect SETTINGS_SEARCH_BOX SettingsWindow searchBox
e2e_control_rect PICKER_FIRST_ROW SettingsWindow keyList                         # its first row, "鼠标左键"
PICKER_FIRST_ROW[3]=180
e2e_control_rect ABOUT_OK AboutWindow okButton                                   # "确定"
e2e_control_rect TRAY_MENU_HIDE_SETTINGS TrayMenuWindow hideSettingsItem         # "隐藏设置"

readonly XKEY_UP=111 XKEY_LEFT=113 XKEY_RIGHT=114 XKEY_DOWN=116

# ---------------------------------------------------------------- settings window

# Ticks "使用键盘快捷键", picks the movement mode given by its control's
# name and applies; the settings window unloads. The default is manual
# dragging: a following virtual mouse (always on top) would follow the
# pointer onto the tray icon, and under Wine the pointer position over the
# docked icon is reported a few pixels off, which puts the window under the
# pointer and takes the test's clicks on the icon. The virtual mouse takes
# the applied mode on its first upkeep tick, 1.5 s after it loads, and
# follows the pointer until then: the first apply waits for that tick.
apply_with_hotkeys() {
  click_setting "${1:-dragByHand}"
  # A reopened window shows the switch as applied: ticked after the first time.
  [[ -n ${HOTKEYS_APPLIED:-} ]] || click_setting hotkeysCheck
  HOTKEYS_APPLIED=1
  apply_settings
  e2e_wait_window "$TITLE_VIRTUAL_MOUSE" 1
  e2e_assert_true "the program ended on apply" e2e_program_running
  if [[ -z ${VIRTUAL_MOUSE_SETTLED:-} ]]; then
    sleep_until_after_apply 3000
    VIRTUAL_MOUSE_SETTLED=1
  fi
}

# The winlist line of the step box into STEP_BOX.
find_step_box() {
  STEP_BOX=$(e2e_find_control "$SETTINGS" "${SETTINGS_STEP_BOX[0]}" "${SETTINGS_STEP_BOX[1]}" Edit)
  [[ -n $STEP_BOX ]] || e2e_fail "no step box in the settings window"
}

# Waits until the step box holds exactly $1.
wait_step_box() {
  find_step_box
  e2e_wait "$E2E_TIMEOUT" "the step box to hold '${1:0:40}' (${#1} chars)" e2e_box_holds "$STEP_BOX" "$1"
}

# Gives the step box the keyboard focus and empties it. Under Wine the first
# click on a window that is not yet active may only activate it, and the
# keys then go nowhere: the box is clicked again until the emptying shows.
clear_step_box() {
  find_step_box
  e2e_retry 3 "emptying the step box" empty_step_box
}
empty_step_box() {
  click_setting SETTINGS_STEP_BOX
  xdotool key End shift+Home Delete
  E2E_WAIT_SOFT=1 e2e_wait 1 "an empty step box" e2e_box_holds "$STEP_BOX" ""
}

# ---------------------------------------------------------------- keyboard pointer

# Presses the right-arrow key twice for 80 ms and checks that the pointer
# moved by exactly $1 pixels each time (a keystroke moves one step). Each
# press starts elsewhere: over the bare X desktop Wine never learns of
# xdotool's moves and takes a move to where it last put the pointer as none.
expect_step() {
  local step=$1 press before moved
  e2e_focus_window "$E2E_CLICK_TARGET_TITLE"
  for press in 1 2; do
    e2e_move $((100 + 100 * press)) 500
    # Nothing shows when Wine has taken the new position in.
    sleep 0.3
    e2e_pointer
    before=$E2E_POINTER_X
    "$E2E_TOOLS/xkey" tap "$XKEY_RIGHT" 80
    e2e_wait 2 "the right arrow to move the pointer from x $before" pointer_left_x "$before"
    e2e_wait_pointer_still
    moved=$((E2E_POINTER_X - before))
    ((moved == step)) || e2e_fail "an 80 ms press of the right arrow moved the pointer by $moved px, not the step $step"
    e2e_log "right arrow pressed: moved $moved px (step $step)"
  done
}

pointer_left_x() {
  e2e_pointer
  ((E2E_POINTER_X != $1))
}

# ---------------------------------------------------------------- bad input

test_step_box_takes_only_digits_typed_or_pasted() {
  open_settings
  clear_step_box
  # The key filter drops letters, the minus sign and the point.
  xdotool type --delay 50 'x-1.2y'
  wait_step_box 12
  # Ctrl+V reaches the filter as a control character, which it drops too.
  e2e_set_clipboard 34
  xdotool key ctrl+v
  sleep 0.5  # time for a change that must not come
  wait_step_box 12
  # A real paste passes every character through the filter.
  e2e_set_clipboard 'a-5b.6'
  xdotool key shift+Insert
  wait_step_box 1256
  e2e_set_clipboard abc
  xdotool key shift+Insert
  sleep 0.5  # time for a change that must not come
  wait_step_box 1256
  # So does the edit control's own context menu ("&Paste": the test desktop
  # runs Wine in the C locale).
  e2e_set_clipboard '7z'
  click_setting SETTINGS_STEP_BOX 3
  e2e_wait "$E2E_TIMEOUT" "the step box's context menu" context_menu_shown
  xdotool key p
  wait_step_box 12567

  # Ten thousand digits fit and stay as pasted.
  local digits
  digits=$(printf '1234567890%.0s' $(seq 1000))
  printf '%s' "$digits" >"$E2E_TEST_DIR/digits.txt"
  clear_step_box
  e2e_set_clipboard_file "$E2E_TEST_DIR/digits.txt"
  xdotool key shift+Insert
  wait_step_box "$digits"

  # Applying a step that no 32-bit number holds leaves the program running.
  apply_with_hotkeys
  sleep 1  # time for an end that must not come
  e2e_assert_true "the program ended after applying a 10000-digit step" e2e_program_running
}

test_bad_step_keeps_previous_step() {
  open_settings
  e2e_wait_tray_icon
  e2e_focus_click_target 20 20 300 100
  clear_step_box
  xdotool type 7
  wait_step_box 7
  apply_with_hotkeys
  expect_step 7

  # Each bad step text is applied with hotkeys on; the step stays 7.
  local case text
  for case in empty too-large ten-thousand-digits; do
    case $case in
      empty) text='' ;;
      too-large) text=99999999999999999999 ;;
      ten-thousand-digits) text=$(printf '9%.0s' $(seq 10000)) ;;
    esac
    e2e_log "step box: $case"
    reopen_settings
    clear_step_box
    if [[ -n $text ]]; then
      printf '%s' "$text" >"$E2E_TEST_DIR/step.txt"
      e2e_set_clipboard_file "$E2E_TEST_DIR/step.txt"
      xdotool key shift+Insert
    fi
    wait_step_box "$text"
    apply_with_hotkeys
    expect_step 7
  done

  # A pasted minus sign is dropped: "-5" becomes the valid step 5.
  reopen_settings
  clear_step_box
  e2e_set_clipboard -5
  xdotool key shift+Insert
  wait_step_box 5
  apply_with_hotkeys
  expect_step 5
}

# Every kept value holds garbage of another type, size or range: the
# program starts with the defaults.
test_garbage_kept_settings_start_with_the_defaults() {
  local file=$E2E_TEST_DIR/garbage.reg name i=0
  local -a garbage=('"garbage"' 'hex:01,02,03,04,05,06,07,08' 'dword:ffffffff' 'hex(b):01,00,00,00,00,00,00,00')
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\LumoMouse]\n' >"$file"
  for name in KeyUp KeyDown KeyLeft KeyRight KeyLeftClick KeyRightClick StepPixels HotkeysEnabled \
    HideVirtualMouse ShowCoordinates ColorPointer StayOnTop FollowMode Applied; do
    printf '"%s"=%s\n' "$name" "${garbage[i++ % ${#garbage[@]}]}" >>"$file"
  done
  # A value far larger than any setting, under a kept name.
  printf '"KeyUp"=hex:%s00\n' "$(printf '01,%.0s' {1..65536})" >>"$file"
  wine reg import "$(e2e_winpath "$file")" >/dev/null 2>&1 || e2e_fail "could not import $file"
  open_settings
  e2e_wait_tray_icon
  wait_step_box 3
  e2e_wait_control_text "$SETTINGS" "${SETTINGS_LEFT_KEY_BOX[@]:0:2}" "方向键←"
  e2e_assert_eq "" "$(e2e_find_window "$TITLE_VIRTUAL_MOUSE")" "virtual mouse of a start that never applied"
}

test_huge_texts_and_mouse_button_binding() {
  open_settings
  e2e_capture_browser
  e2e_start_click_target 20 20 300 100
  # A short chat opens its page: the browser capture works.
  local chat_box search_box
  chat_box=$(e2e_find_control "$SETTINGS" "${SETTINGS_CHAT_BOX[0]}" "${SETTINGS_CHAT_BOX[1]}" Edit)
  search_box=$(e2e_find_control "$SETTINGS" "${SETTINGS_SEARCH_BOX[0]}" "${SETTINGS_SEARCH_BOX[1]}" Edit)
  [[ -n $chat_box && -n $search_box ]] || e2e_fail "no chat or search box in the settings window"
  click_setting SETTINGS_CHAT_BOX
  click_setting SETTINGS_CHAT_BOX
  e2e_wait "$E2E_TIMEOUT" "clicking the chat box to empty it" e2e_box_holds "$chat_box" ""
  xdotool type lumo
  click_setting chatButton
  e2e_wait "$E2E_TIMEOUT" "the chat with 'lumo' to open its page" grep -q 'uid=lumo&' "$E2E_URL_LOG"

  # 100 000 characters, Chinese and ASCII, pasted whole into the chat box and
  # the search box. Their addresses are far too long for the shell (Wine's
  # ShellExecute would overrun a buffer and end the program): they open
  # nothing, and the program carries on.
  local text
  text=$(printf '会话测试abc123%.0s' $(seq 10000))
  printf '%s' "$text" >"$E2E_TEST_DIR/long.txt"
  e2e_set_clipboard_file "$E2E_TEST_DIR/long.txt"
  click_setting SETTINGS_CHAT_BOX
  xdotool key End shift+Home Delete ctrl+v
  e2e_wait "$E2E_TIMEOUT" "the chat box to hold the ${#text} pasted characters" e2e_box_holds "$chat_box" "$text"
  click_setting chatButton
  click_setting SETTINGS_SEARCH_BOX
  xdotool key ctrl+v
  e2e_wait "$E2E_TIMEOUT" "the search box to hold the ${#text} pasted characters" e2e_box_holds "$search_box" "$text"
  click_setting searchButton
  sleep 3  # time for an end or a page that must not come
  e2e_assert_true "the program ended on a chat or search of 100000 characters" e2e_program_running
  e2e_assert_eq 1 "$(grep -c . "$E2E_URL_LOG")" "pages opened in all (only the short chat)"
  e2e_wait_window "$TITLE_SETTINGS" 1

  # Any row may go to any slot, the mouse buttons too.
  click_setting SETTINGS_LEFT_CLICK_KEY_BOX
  e2e_wait "$E2E_TIMEOUT" "the key picker to open" key_list_visible
  click_setting PICKER_FIRST_ROW
  click_setting confirmKeyButton
  local left_click_box
  left_click_box=$(e2e_find_control "$SETTINGS" "${SETTINGS_LEFT_CLICK_KEY_BOX[0]}" "${SETTINGS_LEFT_CLICK_KEY_BOX[1]}" Edit)
  e2e_wait "$E2E_TIMEOUT" "the left-click hotkey box to show 鼠标左键" e2e_box_holds "$left_click_box" 鼠标左键
  apply_with_hotkeys
  # The left button is now also the left-click hotkey. A click slot bound to
  # the button it presses does nothing: the target gets the user's own click
  # only, and the program's pressing never feeds back into the key it watches.
  e2e_move 150 60
  sleep 0.2  # for Wine to see the pointer arrive (see e2e_click)
  xdotool mousedown 1
  sleep 0.5  # the press itself
  xdotool mouseup 1
  e2e_wait 3 "the target to get the button's release" grep -q '^WM_LBUTTONUP' "$E2E_CLICK_LOG"
  e2e_assert_true "the program ended with the left button bound as a hotkey" e2e_program_running
  e2e_assert_eq "WM_LBUTTONDOWN WM_LBUTTONUP" "$(e2e_clicks | awk '{ print $1 }' | paste -sd ' ')" \
    "button messages for one press of the bound left button"
}
context_menu_shown() {
  e2e_windows | awk -F'\t' '$1 == "top" && $6 == "#32768" && $14 == 1 { found = 1 } END { exit !found }'
}

# ---------------------------------------------------------------- tray icon

test_tray_icon_hammered_and_shell_restart() {
  start_traced_program
  apply_with_hotkeys

  # Fifty quick left clicks: the first loads the settings window, the rest
  # show it again.
  e2e_move "$E2E_ICON_CX" "$E2E_ICON_CY"
  sleep 0.2  # for Wine to see the pointer arrive (see e2e_click)
  xdotool click --repeat 50 --delay 30 1
  e2e_wait_settled "$TITLE_SETTINGS"
  # Nothing shows when the last clicks of the burst have been handled.
  sleep 1
  e2e_assert_true "the program ended under 50 quick clicks on its icon" e2e_program_running
  e2e_assert_eq 1 "$(e2e_count_windows "$TITLE_SETTINGS")" "settings windows after 50 clicks on the icon"
  e2e_sample_resources
  local before
  before=$(e2e_resources_text)
  xdotool click --repeat 50 --delay 30 1
  sleep 2  # as above: time to handle the burst
  e2e_sample_resources
  e2e_log "50 more clicks: before $before, after $(e2e_resources_text)"
  e2e_assert_eq 1 "$(e2e_count_windows "$TITLE_SETTINGS")" "settings windows after 100 clicks on the icon"
  e2e_assert_eq "${before% rss*}" "gdi $E2E_GDI windows $E2E_WINDOW_COUNT" "GDI objects and windows after 50 more clicks"

  # A restarted shell announces itself with TaskbarCreated; the program adds
  # its icon again (the shell refuses a duplicate, and the program then
  # updates it), so there is exactly one icon and it still answers.
  local adds
  adds=$(e2e_tray_calls 0)
  e2e_broadcast_taskbar_created
  e2e_wait "$E2E_TIMEOUT" "the program to add its icon again after TaskbarCreated" tray_adds_above "$adds"
  sleep 1  # time for an end that must not come
  e2e_assert_true "the program ended after TaskbarCreated" e2e_program_running
  e2e_wait_tray_icon
  e2e_open_tray_menu
  e2e_click_tray_menu_row hideSettingsItem
  e2e_wait_window_hidden "$TITLE_SETTINGS"
}
tray_adds_above() { (($(e2e_tray_calls 0) > $1)); }

# Hides the settings window with the tray menu's "隐藏设置" and shows it
# again with a left click on the icon, watching the X windows (the window
# list is too slow for a hundred rounds). The menu opens up and to the left
# of the pointer at the icon's centre, at MENU_LEFT, MENU_TOP.
hide_and_show_settings() {
  e2e_tray_click 3
  # The program places the menu by the pointer when the click arrives: the
  # pointer stays on the icon until the menu is up.
  e2e_wait "$E2E_TIMEOUT" "the tray menu to open" e2e_x_shown "$TITLE_TRAY_MENU"
  e2e_move 1 1
  e2e_wait "$E2E_TIMEOUT" "the tray menu at rest at $MENU_LEFT,$MENU_TOP" e2e_x_at "$TITLE_TRAY_MENU" "$MENU_LEFT" "$MENU_TOP"
  e2e_click $((MENU_LEFT + $(e2e_px $((TRAY_MENU_HIDE_SETTINGS[0] + TRAY_MENU_HIDE_SETTINGS[2] / 2))))) \
    $((MENU_TOP + $(e2e_px $((TRAY_MENU_HIDE_SETTINGS[1] + TRAY_MENU_HIDE_SETTINGS[3] / 2)))))
  e2e_wait "$E2E_TIMEOUT" "the settings window to hide" e2e_x_hidden "$TITLE_SETTINGS"
  e2e_tray_click 1
  e2e_wait "$E2E_TIMEOUT" "the settings window to show again" e2e_x_shown "$TITLE_SETTINGS"
}

# Fails when the GDI objects or windows sampled now outnumber those of the
# sample given as "gdi N windows N ...".
expect_no_growth() {
  local before=$1 what=$2 gdi windows
  read -r _ gdi _ windows _ <<<"$before"
  e2e_sample_resources
  e2e_log "$what: before $before; after $(e2e_resources_text)"
  ((E2E_GDI <= gdi)) || e2e_fail "$what: GDI objects grew from $gdi to $E2E_GDI"
  ((E2E_WINDOW_COUNT <= windows)) || e2e_fail "$what: windows grew from $windows to $E2E_WINDOW_COUNT"
}

# A hundred rounds, or as many as fit in the test's time limit on a slow
# machine, but never fewer than thirty.
test_settings_hide_show_cycles_leak_nothing() {
  local wanted=${E2E_HIDE_SHOW_CYCLES:-100} least=30 cycles=0
  local stop_at=$((${E2E_TEST_TIMEOUT:-180} - 30))
  open_settings
  e2e_wait_tray_icon
  e2e_open_tray_menu
  MENU_LEFT=$E2E_LEFT MENU_TOP=$E2E_TOP
  e2e_click_tray_menu_row showSettingsItem
  hide_and_show_settings
  e2e_sample_resources
  local before started=$SECONDS
  before=$(e2e_resources_text)
  while ((cycles < wanted && (cycles < least || SECONDS < stop_at))); do
    hide_and_show_settings
    cycles=$((cycles + 1))
  done
  e2e_log "$cycles hide/show cycles took $((SECONDS - started)) s"
  e2e_assert_true "the program ended while hiding and showing its settings" e2e_program_running
  e2e_assert_eq 1 "$(e2e_count_windows "$TITLE_SETTINGS")" "settings windows after $cycles cycles"
  expect_no_growth "$before" "$cycles hide/show cycles"
}

test_settings_reload_cycles_leak_nothing() {
  local cycles=${E2E_RELOAD_CYCLES:-15} i
  open_settings
  e2e_wait_tray_icon
  apply_with_hotkeys
  reopen_settings
  apply_with_hotkeys
  e2e_sample_resources
  local before
  before=$(e2e_resources_text)
  for ((i = 1; i <= cycles; i++)); do
    reopen_settings
    apply_with_hotkeys
  done
  expect_no_growth "$before" "$cycles load/apply/unload cycles"
}

# ---------------------------------------------------------------- ways out

# The program ends by itself and deleted its icon on the way: Wine's shell
# drops the icons of a destroyed window anyway, so the trace of the program's
# own delete call is what shows that the program removed it.
expect_exit_without_icon() {
  e2e_wait_program_exit
  e2e_wait_no_tray_icon
  (($(e2e_tray_calls 2) >= 1)) || e2e_fail "the program ended without deleting its tray icon"
}

start_traced_program() {
  e2e_start_program_tracing_tray
  e2e_wait_window "$TITLE_SETTINGS" 1 "$E2E_START_TIMEOUT"
  e2e_wait_settled "$TITLE_SETTINGS"
  SETTINGS=$E2E_WINDOW
  e2e_wait_tray_icon
}

test_close_box_ends_program_without_icon() {
  start_traced_program
  click_setting closeBox
  expect_exit_without_icon
}

test_window_menu_close_ends_program_without_icon() {
  start_traced_program
  open_window_menu
  click_setting menuCloseItem
  expect_exit_without_icon
}

test_session_end_ends_program_without_icon() {
  start_traced_program
  e2e_program_win_pid
  local output
  output=$(e2e_helper endsession "$E2E_WIN_PID")
  e2e_log "endsession: $(tr '\n' ' ' <<<"$output")"
  expect_exit_without_icon
}

# ---------------------------------------------------------------- soak

# Holds the next direction key for SOAK_HOLD seconds, then lets go for as
# long. Opposite directions in turn keep the pointer (and the virtual mouse
# following it) on the screen.
soak_turn() {
  local keys=("$XKEY_RIGHT" "$XKEY_LEFT" "$XKEY_DOWN" "$XKEY_UP")
  local key=${keys[SOAK_TURNS % 4]}
  SOAK_TURNS=$((SOAK_TURNS + 1))
  e2e_key_down "$key"
  sleep "$SOAK_HOLD"  # the hold and the pause are the load itself
  e2e_key_up "$key"
  sleep "$SOAK_HOLD"
}

# The program runs with hotkeys on, fast follow, coordinates and the
# colourful pointer, while a direction key is held half of the time, for $1
# seconds; GDI objects, windows and memory are sampled after a warm-up and
# at the end, and every 15 s into soak-report.txt.
soak_for() {
  local seconds=$1 hold=${E2E_SOAK_HOLD:-2} slack_kb=${E2E_SOAK_MEMORY_SLACK_KB:-1024}
  local report=$E2E_TEST_DIR/soak-report.txt
  open_settings
  e2e_wait_tray_icon
  # Coordinates and the colourful pointer are ticked by design.
  apply_with_hotkeys followFast
  e2e_focus_click_target 20 20 300 100
  e2e_move 640 400

  SOAK_TURNS=0 SOAK_HOLD=$hold
  # Warm-up: the first turns load what the program needs once (fonts,
  # cached pictures), which is not growth.
  e2e_pointer
  local start_x=$E2E_POINTER_X
  soak_turn
  e2e_pointer
  ((E2E_POINTER_X > start_x)) || e2e_fail "holding the right arrow did not move the pointer"
  soak_turn
  soak_turn
  soak_turn

  e2e_sample_resources
  local start start_gdi=$E2E_GDI start_windows=$E2E_WINDOW_COUNT start_anon=$E2E_ANON_KB
  start=$(e2e_resources_text)
  echo "0 s: $start" >"$report"
  local began=$SECONDS next_sample=$((SECONDS + 15))
  while ((SECONDS - began < seconds)); do
    soak_turn
    e2e_program_running || e2e_fail "the program ended after $((SECONDS - began)) s of soak"
    if ((SECONDS >= next_sample)); then
      e2e_sample_resources
      echo "$((SECONDS - began)) s: $(e2e_resources_text)" >>"$report"
      next_sample=$((SECONDS + 15))
    fi
  done
  # A round of the program's timers after the last turn; nothing outside
  # shows when it has run.
  sleep 2
  e2e_sample_resources
  local end
  end=$(e2e_resources_text)
  echo "end $((SECONDS - began)) s: $end" >>"$report"
  e2e_log "soak of $((SECONDS - began)) s, $SOAK_TURNS key turns: start $start; end $end"
  ((E2E_GDI <= start_gdi)) || e2e_fail "GDI objects grew from $start_gdi to $E2E_GDI"
  ((E2E_WINDOW_COUNT <= start_windows)) || e2e_fail "windows grew from $start_windows to $E2E_WINDOW_COUNT"
  ((E2E_ANON_KB - start_anon <= slack_kb)) ||
    e2e_fail "anonymous memory grew by $((E2E_ANON_KB - start_anon)) kB (allowed $slack_kb kB)"
}

test_soak_short() { soak_for 45; }

# Run by tests/e2e/soak.sh with the length it was given.
soak_long() { soak_for "${E2E_SOAK_SECONDS:-600}"; }

# ---------------------------------------------------------------- README pictures

# Saves the window of winlist line $1 as docs/screenshots/$2.png.
save_window_picture() { e2e_save_window_picture "$1" "$LUMO_ROOT/docs/screenshots/$2.png"; }

# The menu and the About window are taken before the first apply: a virtual
# mouse following the pointer could be in the way of the clicks on the icon.
test_readme_screenshots() {
  open_settings
  e2e_wait_tray_icon
  e2e_move 1 1
  e2e_wait_no_tooltip
  save_window_picture "$SETTINGS" settings-window

  e2e_open_tray_menu
  save_window_picture "$E2E_WINDOW" tray-menu
  e2e_click_tray_menu_row aboutItem
  e2e_wait_settled "$TITLE_ABOUT"
  local about=$E2E_WINDOW
  e2e_move 1 1
  e2e_wait_no_tooltip
  save_window_picture "$about" about-window
  # "确定" closes it.
  e2e_click_in_window_twips "$about" "${ABOUT_OK[@]}"
  e2e_wait_window_hidden "$TITLE_ABOUT"

  # A plain arrowhead colour (no colourful pointer) and a fixed pointer make
  # the picture of the virtual mouse the same on every run.
  click_setting colorPointerCheck
  apply_settings
  e2e_move 400 300
  # Slow follow puts the tip 10 twips past the pointer: 401,301.
  e2e_wait_rect "$TITLE_VIRTUAL_MOUSE" 401 301 '*' '*'
  sleep_until_after_apply 2500
  save_window_picture "$E2E_WINDOW" virtual-mouse

  # The settings window once more, started afresh at 150 %.
  kill "$E2E_APP_PID"
  e2e_wait_program_exit
  e2e_use_dpi 144
  open_settings
  e2e_move 1 1
  e2e_wait_no_tooltip
  save_window_picture "$SETTINGS" settings-window-150
}
