# shellcheck shell=bash disable=SC2034  # probes leave what they saw in E2E_SAW
# The keyboard mouse: after apply, the hotkeys drive the real pointer and act
# as the mouse buttons in other windows, the virtual mouse shows only its picture and clicks
# beside its tip, a rebound key takes over its slot, and the window hides
# or follows the pointer as the options ask.
#
# Keys go in as raw X keycodes through XTest; Wine sees them only while the
# X focus is on one of its windows, so every key test first activates the
# click target (the settings window is gone after apply).

# The step box, twips from the settings window's top-left corner (left top
# width height); click_setting takes the other controls by their names.
e2e_control_rect SETTINGS_STEP_BOX SettingsWindow stepBox
# Inside the left click zone (0..25 px) over an opaque part of the
# mouse picture: key-coloured pixels would let the click through.
readonly VIRTUAL_MOUSE_LEFT_BUTTON=(12 12)
readonly VIRTUAL_MOUSE_SIZE=(177 180)

# X keycodes (evdev): keypad keys are digits with NumLock on.
readonly XKEY_UP=111 XKEY_LEFT=113 XKEY_RIGHT=114 XKEY_Z=52 XKEY_KP0=90 XKEY_KP_DECIMAL=91
readonly XKEY_SCROLL_LOCK=78 XKEY_SHIFT_L=50 XKEY_A=38 XKEY_KP1=87 XKEY_F5=71 XKEY_KP_ENTER=104
readonly STEP_PIXELS=3
readonly KEY_COLOUR='#D500DC'   # RGB(213,0,220), the virtual mouse's colour key

# ---------------------------------------------------------------- pointer

# Holds an X key for about $2 seconds. The key was down for at least
# HELD_MIN_MS and at most HELD_MS: starting xkey itself takes a while on a
# loaded machine.
hold_key() {
  local keycode=$1 seconds=$2 before_down after_down before_up
  before_down=${EPOCHREALTIME/./}
  e2e_key_down "$keycode"
  after_down=${EPOCHREALTIME/./}
  sleep "$seconds"  # the hold itself
  before_up=${EPOCHREALTIME/./}
  e2e_key_up "$keycode"
  HELD_MS=$(((${EPOCHREALTIME/./} - before_down) / 1000))
  HELD_MIN_MS=$(((before_up - after_down) / 1000))
}

# Holds a direction key (at least 0.3 s, past the repeat delay) and checks
# that the pointer moved along the axis (dx dy signs given as -1, 0 or 1) by
# more than the first step (of $5 pixels, STEP_PIXELS unless given), and that
# it stops once the key is up.
assert_key_moves_pointer() {
  local keycode=$1 sign_x=$2 sign_y=$3 seconds=${4:-1} step=${5:-$STEP_PIXELS}
  e2e_pointer
  local x0=$E2E_POINTER_X y0=$E2E_POINTER_Y
  hold_key "$keycode" "$seconds"
  # Wine learns of the release when the focused window's thread reads the X
  # event, which a loaded machine may delay: wait for the pointer to stop.
  e2e_wait_pointer_still
  local x1=$E2E_POINTER_X y1=$E2E_POINTER_Y
  sleep 0.3  # time for a move that must not come
  e2e_pointer
  e2e_assert_eq "$x1,$y1" "$E2E_POINTER_X,$E2E_POINTER_Y" "pointer moved on after the key came up"

  local dx=$((x1 - x0)) dy=$((y1 - y0))
  local along=$((dx * sign_x + dy * sign_y)) across=$((dx * sign_y + dy * sign_x))
  e2e_log "measured: key $keycode held ${HELD_MIN_MS}..${HELD_MS} ms: pointer ($x0,$y0) -> ($x1,$y1)"
  e2e_assert_eq 0 "$across" "pointer drift across the direction of key $keycode"
  e2e_assert_true "moved $along px in ${HELD_MIN_MS}..${HELD_MS} ms, wanted more than one ${step}-px step" \
    test "$along" -gt "$step"
}

# Whether the pointer stands at x $1 or beyond.
pointer_reached_x() {
  e2e_pointer
  ((E2E_POINTER_X >= $1))
}

# ---------------------------------------------------------------- virtual mouse

# Waits until the virtual mouse window is visible and still; its rectangle
# goes to VM_LEFT, VM_TOP.
virtual_mouse_at_rest() {
  e2e_wait_settled "$TITLE_VIRTUAL_MOUSE"
  VM_LEFT=$E2E_LEFT VM_TOP=$E2E_TOP
}

# The X window of the virtual mouse into VM_XWINDOW. X answers in a few
# milliseconds where a Wine helper takes up to a second on a busy machine,
# so timings are taken from X.
find_virtual_mouse_xwindow() {
  e2e_find_xwindow "^$TITLE_VIRTUAL_MOUSE\$"
  VM_XWINDOW=$E2E_XWINDOW
}

# "IsViewable", "IsUnMapped" or "IsUnviewable" for the virtual mouse's X window.
virtual_mouse_map_state() {
  xwininfo -id "$VM_XWINDOW" | awk '/Map State:/ { print $3 }'
}

# Follows the virtual mouse's X window from shown to hidden; SHOWN_AT and
# HIDDEN_AT are when (ms after apply). Wine may make the X window anew.
virtual_mouse_shown_then_hidden() {
  local state
  state=$(virtual_mouse_map_state 2>/dev/null)
  E2E_SAW="map state '$state', shown at '${SHOWN_AT:-never}' ms"
  if [[ -z $state ]]; then
    e2e_log "X window $VM_XWINDOW of the virtual mouse vanished $(ms_since_apply) ms after apply"
    e2e_xwindow_named "^$TITLE_VIRTUAL_MOUSE\$" && VM_XWINDOW=$E2E_XWINDOW
  elif [[ $state == IsViewable && -z $SHOWN_AT ]]; then
    SHOWN_AT=$(ms_since_apply)
  elif [[ $state == IsUnMapped && -n $SHOWN_AT ]]; then
    HIDDEN_AT=$(ms_since_apply)
  fi
  [[ -n $HIDDEN_AT ]]
}

# Number of pixels of colour $2 in the image $1.
count_colour() {
  convert "$1" -alpha off -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}

# ---------------------------------------------------------------- tests

test_held_arrow_moves_pointer_and_release_stops_it() {
  open_settings
  # The keyboard alone: the hotkey switch has the focus, Space ticks it, Enter applies.
  e2e_focus_window "$TITLE_SETTINGS"
  e2e_focus_in "$SETTINGS"
  e2e_assert_eq "Button 使用键盘快捷键" "$E2E_FOCUS" "focus at start"
  e2e_keys SPACE RETURN
  e2e_wait "$E2E_TIMEOUT" "Space then Enter to apply" settings_gone
  e2e_wait_window "$TITLE_VIRTUAL_MOUSE" 1
  e2e_wait_rect "$TITLE_VIRTUAL_MOUSE" '*' '*' "${VIRTUAL_MOUSE_SIZE[@]}"
  e2e_assert_eq "${VIRTUAL_MOUSE_SIZE[*]}" \
    "$(e2e_field "$E2E_WINDOW" client_width) $(e2e_field "$E2E_WINDOW" client_height)" "virtual mouse client size"

  e2e_focus_click_target 100 100 300 200
  e2e_move 900 650
  assert_key_moves_pointer "$XKEY_UP" 0 -1 1
}

# The click keys are the mouse buttons: one press is one click however long
# it lasts, two quick taps are a double click (the target's window class asks
# for them), and holding the key while an arrow moves the pointer drags.
test_click_keys_act_as_mouse_buttons() {
  open_settings
  click_setting hotkeysCheck
  apply_settings
  e2e_focus_click_target 300 200 400 300
  # 1 px border: client (199,149) is screen (500,350).
  e2e_move 500 350
  assert_tap_gives "$XKEY_KP0" "80 ms press" "WM_LBUTTONDOWN 199 149|WM_LBUTTONUP 199 149" 80
  assert_tap_gives "$XKEY_KP_DECIMAL" "80 ms press" "WM_RBUTTONDOWN 199 149|WM_RBUTTONUP 199 149" 80
  # Shorter than one timer period: reported, not polled, so never lost.
  assert_tap_gives "$XKEY_KP0" "15 ms tap" "WM_LBUTTONDOWN 199 149|WM_LBUTTONUP 199 149" 15
  assert_tap_gives "$XKEY_KP0" "double tap" \
    "WM_LBUTTONDOWN 199 149|WM_LBUTTONUP 199 149|WM_LBUTTONDBLCLK 199 149|WM_LBUTTONUP 199 149" 30 2 60

  # Drag: keypad 0 held, Up held for a while, Up released, keypad 0 released
  # once the pointer has stopped.
  mark_clicks
  e2e_key_down "$XKEY_KP0"
  hold_key "$XKEY_UP" 0.3
  e2e_wait_pointer_still
  e2e_key_up "$XKEY_KP0"
  e2e_wait_pointer_still
  local messages
  messages=$(clicks_since_mark | awk '{ print $1 }' | uniq | paste -sd ' ')
  e2e_log "measured: drag of ${HELD_MS} ms: $(clicks_since_mark | grep -c WM_MOUSEMOVE) moves, pointer at $E2E_POINTER_X,$E2E_POINTER_Y"
  e2e_assert_eq "WM_LBUTTONDOWN WM_MOUSEMOVE WM_LBUTTONUP" "$messages" "button messages of a drag"
  e2e_assert_eq "WM_LBUTTONDOWN 199 149" "$(clicks_since_mark | head -n 1)" "drag start"
  e2e_assert_eq "WM_LBUTTONUP $((E2E_POINTER_X - 301)) $((E2E_POINTER_Y - 201))" "$(clicks_since_mark | tail -n 1)" \
    "drag end"
  e2e_assert_true "the drag went only $((350 - E2E_POINTER_Y)) px up" test $((350 - E2E_POINTER_Y)) -ge $((5 * STEP_PIXELS))
}

# Taps key $1 (xkey tap's timing arguments from $4 on) over the click target
# and expects exactly the messages $3 ("|" between lines); $2 names the tap.
assert_tap_gives() {
  local keycode=$1 what=$2 expected=$3
  shift 3
  # Past the double-click time: no tap pairs with the one before.
  sleep 0.6
  mark_clicks
  "$E2E_TOOLS/xkey" tap "$keycode" "$@"
  # All the messages within two seconds; then nothing more may come.
  e2e_wait 2 "the button messages for a $what of key $keycode" \
    clicks_since_mark_at_least "$(tr '|' '\n' <<<"$expected" | grep -c .)"
  sleep 0.3  # time for a message that must not come
  e2e_assert_eq "$expected" "$(clicks_since_mark | paste -sd '|')" "button messages for a $what of key $keycode"
}

# The click target's messages from here on (its log only grows).
mark_clicks() { CLICKS_MARK=$(e2e_clicks | grep -c .); }
clicks_since_mark() { e2e_clicks | tail -n +$((CLICKS_MARK + 1)); }
clicks_since_mark_at_least() {
  E2E_SAW="'$(clicks_since_mark | paste -sd '|')'"
  (($(clicks_since_mark | grep -c .) >= $1))
}

# Scroll Lock switches the keyboard mouse before any apply. While it is on,
# the bound keys act and never reach the program in front, other keys do;
# keypad 0 released under Shift still releases its button. A second start
# leaves one copy with one icon.
test_bound_keys_belong_to_the_mouse_and_scroll_lock_switches() {
  open_settings
  e2e_focus_click_target 300 200 400 300
  e2e_move 500 350
  "$E2E_TOOLS/xkey" tap "$XKEY_SCROLL_LOCK"
  assert_key_moves_pointer "$XKEY_UP" 0 -1 0.3
  assert_key_moves_pointer "$XKEY_LEFT" -1 0 0.3
  e2e_move 500 350
  assert_tap_gives "$XKEY_KP0" "press" "WM_LBUTTONDOWN 199 149|WM_LBUTTONUP 199 149" 80
  assert_tap_gives "$XKEY_KP_DECIMAL" "press" "WM_RBUTTONDOWN 199 149|WM_RBUTTONUP 199 149" 80
  for key in "$XKEY_A" "$XKEY_KP1" "$XKEY_F5"; do "$E2E_TOOLS/xkey" tap "$key" 30; done
  e2e_wait 3 "six key messages" keys_logged 6
  e2e_assert_eq "WM_KEYDOWN 0x41 WM_KEYUP 0x41 WM_KEYDOWN 0x61 WM_KEYUP 0x61 WM_KEYDOWN 0x74 WM_KEYUP 0x74" \
    "$(e2e_logged_keys | paste -sd ' ')" "keys that reached the program in front"

  # Off: Up is a key again and the pointer stays.
  "$E2E_TOOLS/xkey" tap "$XKEY_SCROLL_LOCK"
  e2e_pointer
  local before="$E2E_POINTER_X,$E2E_POINTER_Y"
  "$E2E_TOOLS/xkey" tap "$XKEY_UP" 30
  e2e_wait 3 "eight key messages" keys_logged 8
  e2e_assert_eq "WM_KEYDOWN 0x26 WM_KEYUP 0x26" "$(e2e_logged_keys | tail -n 2 | paste -sd ' ')" "Up with the keyboard mouse off"
  e2e_pointer
  e2e_assert_eq "$before" "$E2E_POINTER_X,$E2E_POINTER_Y" "pointer with the keyboard mouse off"

  # On again: keypad 0 down, Shift down, keypad 0 up (it reads Insert now), Shift up.
  "$E2E_TOOLS/xkey" tap "$XKEY_SCROLL_LOCK"
  mark_clicks
  local key
  for key in "down $XKEY_KP0" "down $XKEY_SHIFT_L" "up $XKEY_KP0" "up $XKEY_SHIFT_L"; do
    "$E2E_TOOLS/xkey" $key
    sleep 0.15  # a user's pace between the four key events
  done
  e2e_wait 3 "the buttons of keypad 0 released under Shift" clicks_since_mark_at_least 2
  e2e_assert_eq "WM_LBUTTONDOWN|WM_LBUTTONUP" "$(clicks_since_mark | awk '{ print $1 }' | paste -sd '|')" \
    "buttons of keypad 0 released under Shift"
  e2e_assert_eq "" "$(e2e_logged_keys | grep -v -e ' 0x10$' -e ' 0x26$' -e ' 0x41$' -e ' 0x61$' -e ' 0x74$')" \
    "keys other than Shift and the unbound ones that reached the program"

  # A second start ends and leaves the one icon.
  e2e_wait_tray_icon
  wine "$E2E_EXE" >/dev/null 2>&1 &
  local second=$!
  e2e_wait "$E2E_TIMEOUT" "the second start to end" e2e_pid_gone "$second"
  e2e_wait_tray_icon
  e2e_assert_true "the first copy ended" e2e_program_running
}
keys_logged() {
  E2E_SAW="'$(e2e_logged_keys | paste -sd ' ')'"
  (($(e2e_logged_keys | grep -c .) >= $1))
}
chars_logged() {
  E2E_SAW="'$(e2e_logged_chars | paste -sd ' ')'"
  (($(e2e_logged_chars | grep -c .) >= $1))
}

# Another program holds the copy's name, yet the program starts. With the
# keyboard mouse on (kept settings, keypad Enter kept as the right click),
# characters that program types ("RS乓": their codes ride where keypad 0's,
# keypad .'s scan codes would) arrive as text and click nothing; keypad Enter
# right-clicks and no Return reaches the window.
test_typed_characters_keypad_enter_and_a_held_name() {
  local held=$E2E_TEST_DIR/logs/interloper.log value
  wine "$E2E_TOOLS/interloper.exe" hold 120 >"$held" 2>&1 &
  e2e_wait "$E2E_TIMEOUT" "the name squatter to start" grep -q '^holding' "$held"
  for value in KeyRightClick=108 HotkeysEnabled=1; do
    wine reg add 'HKCU\Software\LumoMouse' /v "${value%=*}" /t REG_DWORD /d "${value#*=}" /f >/dev/null 2>&1 ||
      e2e_fail "could not keep $value"
  done
  open_settings
  e2e_focus_click_target 300 200 400 300
  e2e_move 500 350
  mark_clicks
  e2e_helper interloper type 52 53 4e53 >/dev/null || e2e_fail "the characters could not be typed"
  e2e_wait 3 "three typed characters" chars_logged 3
  sleep 0.3  # time for a button message that must not come
  e2e_assert_eq "WM_CHAR 0x52 WM_CHAR 0x53 WM_CHAR 0x4e53" "$(e2e_logged_chars | paste -sd ' ')" \
    "characters typed by another program"
  e2e_assert_eq "" "$(clicks_since_mark)" "buttons for the typed characters"
  assert_tap_gives "$XKEY_KP_ENTER" "press" "WM_RBUTTONDOWN 199 149|WM_RBUTTONUP 199 149" 80
  e2e_assert_eq "" "$(e2e_logged_keys | grep ' 0xd$')" "Return messages of keypad Enter"
}

# A keystroke moves exactly one step; held, the pointer crosses the screen
# in about 1.5 s (3 s allowed: Wine's timing is loose under load).
test_keystroke_is_one_step_and_a_hold_crosses_the_screen() {
  open_settings
  click_setting hotkeysCheck
  apply_settings
  e2e_focus_click_target 100 100 300 200
  e2e_move 640 600
  "$E2E_TOOLS/xkey" tap "$XKEY_RIGHT" 80
  e2e_wait_pointer_still
  e2e_assert_eq "$((640 + STEP_PIXELS)),600" "$E2E_POINTER_X,$E2E_POINTER_Y" "pointer after an 80 ms press"

  e2e_move 0 600
  local started=${EPOCHREALTIME/./}
  e2e_key_down "$XKEY_RIGHT"
  e2e_wait 3 "Right held from the left edge to reach the right edge" pointer_reached_x 1279
  local crossed_ms=$(((${EPOCHREALTIME/./} - started) / 1000))
  e2e_key_up "$XKEY_RIGHT"
  e2e_log "measured: Right held from x 0: at x $E2E_POINTER_X after $crossed_ms ms"
}

# The pointer moves within 2 ms of a key press made in another program, and
# no slower than one timer period at worst.
test_key_press_moves_pointer_at_once() {
  open_settings
  click_setting hotkeysCheck
  apply_settings
  e2e_focus_click_target 100 100 300 200
  local report
  report=$(timeout 60 "$E2E_TOOLS/pointer_latency" 20 "$XKEY_UP" 640 600) || e2e_fail "pointer_latency failed: $report"
  local -A r
  local key value
  while read -r key value; do r[$key]=$value; done <<<"$report"
  e2e_log "measured: key-down to move p50 ${r[latency_p50_us]} us, p95 ${r[latency_p95_us]} us, period ${r[period_p50_us]} us"
  e2e_assert_eq 0 "${r[misses]}" "presses that moved nothing"
  # The median tells a reported key from a polled one (a poll waits half a
  # 10 ms period on average), with room for a busy machine; the 2 ms target and
  # the tail are bench/run.sh's figures.
  e2e_assert_true "key-down to move p50 ${r[latency_p50_us]} us" test "${r[latency_p50_us]}" -le 3000
}

test_left_zone_clicks_beside_the_tip() {
  open_settings
  click_setting dragByHand
  apply_settings
  # The first follow tick (1 s after load) still jumps to the pointer, which
  # rests on the apply button; the first upkeep tick (1.5 s) stops following.
  e2e_pointer
  sleep_until_after_apply 2000
  virtual_mouse_at_rest
  local rest="$VM_LEFT $VM_TOP"
  e2e_assert_eq "$((E2E_POINTER_X + 1)) $((E2E_POINTER_Y + 1))" "$rest" "virtual mouse after the first follow tick"
  e2e_move 300 600
  sleep 1.2  # past a follow tick, which must not move it
  virtual_mouse_at_rest
  e2e_assert_eq "$rest" "$VM_LEFT $VM_TOP" "virtual mouse position after the pointer moved away"

  # A target left of the window, covering the spot 5 px left of its tip.
  local target_left=$((VM_LEFT - 105)) target_top=$((VM_TOP - 50))
  e2e_start_click_target "$target_left" "$target_top" 102 100
  e2e_click $((VM_LEFT + VIRTUAL_MOUSE_LEFT_BUTTON[0])) $((VM_TOP + VIRTUAL_MOUSE_LEFT_BUTTON[1]))
  e2e_wait 3 "a click on the target" grep -q '^WM_LBUTTONUP' "$E2E_CLICK_LOG"
  e2e_wait 2 "the pointer at $((VM_LEFT - 5)),$VM_TOP after the left-zone click" \
    e2e_pointer_at $((VM_LEFT - 5)) "$VM_TOP"
  local x=$((VM_LEFT - 5 - target_left - 1)) y=$((VM_TOP - target_top - 1))
  e2e_assert_eq "WM_LBUTTONDOWN $x $y"$'\n'"WM_LBUTTONUP $x $y" "$(e2e_clicks)" "clicks on the target"
  # The window itself did not move.
  virtual_mouse_at_rest
  e2e_assert_eq "$((target_left + 105)) $((target_top + 50))" "$VM_LEFT $VM_TOP" "virtual mouse position after the click"
}

# Bound from the keyboard alone: Tab to the left key box, Enter opens the
# picker, the list takes letters and arrows, Enter binds and Esc keeps.
test_rebound_left_key_moves_pointer_left() {
  open_settings
  e2e_focus_window "$TITLE_SETTINGS"
  e2e_keys TAB TAB TAB TAB RETURN
  e2e_wait "$E2E_TIMEOUT" "the picker to open on Enter in the left key box" key_list_visible
  # The picker gives the list the focus; a typed letter selects the first
  # row that starts with it, the only one being "Z键".
  "$E2E_TOOLS/xkey" tap "$XKEY_Z"
  e2e_keys DOWN UP RETURN
  e2e_wait "$E2E_TIMEOUT" "the left hotkey box to show Z键" hotkey_box_shows "Z键"
  e2e_keys RETURN DOWN ESCAPE
  e2e_wait "$E2E_TIMEOUT" "Esc to close the picker" key_list_hidden
  e2e_assert_true "Esc changed the left key" hotkey_box_shows "Z键"
  # Back round to the hotkey switch, tick it, apply.
  e2e_keys SHIFT+TAB SHIFT+TAB SHIFT+TAB SHIFT+TAB SPACE RETURN
  e2e_wait "$E2E_TIMEOUT" "Space then Enter to apply" settings_gone

  e2e_focus_click_target 100 100 300 200
  e2e_move 900 500
  assert_key_moves_pointer "$XKEY_Z" -1 0 0.5
  # The left arrow no longer moves anything.
  e2e_pointer
  local before="$E2E_POINTER_X,$E2E_POINTER_Y"
  hold_key "$XKEY_LEFT" 0.3
  sleep 0.1  # time for a move that must not come
  e2e_pointer
  e2e_assert_eq "$before" "$E2E_POINTER_X,$E2E_POINTER_Y" "pointer after holding the unbound left arrow"
}
# What was applied comes back: the reopened window shows it, applying it
# unchanged keeps it, and a new start (in the tray) puts it into effect at once.
test_applied_settings_stay_through_reopen_and_restart() {
  open_settings
  e2e_wait_tray_icon
  bind_left_to_z
  click_setting hotkeysCheck
  click_setting SETTINGS_STEP_BOX
  xdotool key End BackSpace
  xdotool type 7
  e2e_wait_control_text "$SETTINGS" "${SETTINGS_STEP_BOX[@]:0:2}" 7
  click_setting dragByHand
  apply_settings
  # The virtual mouse's first follow tick still jumps to the pointer; past
  # it the mouse stays away from the tray icon.
  sleep_until_after_apply 2000

  reopen_settings
  e2e_wait "$E2E_TIMEOUT" "the reopened window to show Z键" hotkey_box_shows "Z键"
  e2e_wait_control_text "$SETTINGS" "${SETTINGS_STEP_BOX[@]:0:2}" 7
  apply_settings
  e2e_focus_click_target 100 100 300 200
  e2e_move 900 500
  assert_key_moves_pointer "$XKEY_Z" -1 0 0.5 7

  e2e_open_tray_menu
  e2e_click_tray_menu_row exitItem
  e2e_wait_program_exit
  e2e_move 900 500
  e2e_start_program /tray
  e2e_wait_tray_icon "$E2E_START_TIMEOUT"
  e2e_wait_window "$TITLE_VIRTUAL_MOUSE" 1
  sleep 2  # time for a settings window that must not come
  e2e_assert_eq "" "$(e2e_find_window "$TITLE_SETTINGS")" "settings window of a start with /tray"
  xdotool windowactivate --sync "$E2E_XWINDOW" || e2e_fail "cannot activate the click target"
  e2e_move 900 500
  assert_key_moves_pointer "$XKEY_Z" -1 0 0.5 7
  e2e_tray_click
  e2e_wait_window "$TITLE_SETTINGS" 1
}

# Binds Z to the left key through the key picker.
bind_left_to_z() {
  click_setting leftKeyBox
  e2e_wait "$E2E_TIMEOUT" "the key picker to open" key_list_visible
  # The picker gives the list the focus; a typed letter selects the first
  # row that starts with it, the only one being "Z键".
  "$E2E_TOOLS/xkey" tap "$XKEY_Z"
  # The list's selection cannot be read from outside: time for the letter.
  sleep 0.3
  click_setting confirmKeyButton
  e2e_wait "$E2E_TIMEOUT" "the left hotkey box to show Z键" hotkey_box_shows "Z键"
}

hotkey_box_shows() {
  e2e_windows | awk -F'\t' -v text="$1" '$1 == "child" && $7 == text { found = 1 } END { exit !found }'
}

test_virtual_mouse_shows_no_key_colour_and_white_arrowhead() {
  open_settings
  click_setting colorPointerCheck
  apply_settings
  # Past the first upkeep tick, which would recolour the arrowhead if the
  # colourful pointer were still on.
  e2e_move 640 300
  sleep_until_after_apply 2000
  virtual_mouse_at_rest
  local shot
  shot=$(e2e_screenshot virtual-mouse) || e2e_fail "no screenshot"
  e2e_assert_eq 0 "$(count_colour "$shot" "$KEY_COLOUR")" "key-coloured pixels on screen"
  local offset colour
  for offset in 0 2 4 6; do
    colour=$(convert "$shot" -format "%[pixel:p{$((VM_LEFT + offset)),$VM_TOP}]" info:)
    e2e_assert_eq "srgb(255,255,255)" "$colour" "top leg of the arrowhead at +$offset px"
    colour=$(convert "$shot" -format "%[pixel:p{$VM_LEFT,$((VM_TOP + offset))}]" info:)
    e2e_assert_eq "srgb(255,255,255)" "$colour" "left leg of the arrowhead at +$offset px"
  done
}

test_hidden_option_hides_virtual_mouse_after_apply() {
  open_settings
  click_setting hotkeysCheck
  click_setting hideMouseCheck
  click_apply
  # Apply shows the window; the first upkeep tick, 1.5 s after it loads,
  # hides it again.
  find_virtual_mouse_xwindow
  SHOWN_AT="" HIDDEN_AT=""
  # Read as fast as X answers: the times are measured.
  E2E_WAIT_POLL=0 e2e_wait 5 "the virtual mouse to show and hide again" virtual_mouse_shown_then_hidden
  local shown_at=$SHOWN_AT hidden_at=$HIDDEN_AT
  e2e_log "measured: virtual mouse shown by ${shown_at} ms, hidden at ${hidden_at} ms after apply"
  # Loading the window after the click takes a few hundred milliseconds on
  # a loaded machine; the hiding tick is timed from the load.
  e2e_assert_true "hidden $((hidden_at - shown_at)) ms after it was shown" test $((hidden_at - shown_at)) -le 1800
  e2e_assert_true "hidden only ${hidden_at} ms after apply" test "$hidden_at" -le 2500
  # Hidden, not unloaded: the window is still there and the engine runs.
  e2e_wait_window "$TITLE_VIRTUAL_MOUSE" 0
  e2e_focus_click_target 100 100 300 200
  e2e_move 900 650
  assert_key_moves_pointer "$XKEY_UP" 0 -1 0.5
  e2e_assert_eq IsUnMapped "$(virtual_mouse_map_state)" "virtual mouse map state at the end"
}

test_fast_follow_puts_tip_at_pointer() {
  open_settings
  click_setting followFast
  apply_settings
  # Fast following starts with the first upkeep tick, 1.5 s after load. It
  # is woken by the pointer's moves: on Windows the low-level mouse hook
  # sees every move, under Wine only moves over one of Wine's own windows
  # (over the bare X root Wine learns nothing), so a screen-sized Wine
  # window stands in for the desktop.
  e2e_start_click_target 0 0 1280 800
  sleep_until_after_apply 1800
  virtual_mouse_at_rest
  find_virtual_mouse_xwindow
  # The tip lands 10 twips right of and below the pointer: the same pixel or
  # the next one. A follow tick comes every 50 ms; a loaded machine delays
  # timers and the X round trip, hence the allowance.
  local x y result latency left top latencies=()
  for x in 200 900 400 1100 600; do
    y=$((x / 2 + 100))
    result=$("$E2E_TOOLS/xprobe" reach "$VM_XWINDOW" "$x" "$y" 1 2000) ||
      e2e_fail "virtual mouse not at the pointer $x,$y within 2 s: $result"
    read -r latency left top <<<"$result"
    latencies+=("$latency ms to $left,$top")
    e2e_assert_true "fast follow to $x,$y took $latency ms" test "$latency" -le 200
  done
  e2e_log "measured: fast follow latencies: ${latencies[*]}"
  # Wine's own record of the window agrees.
  virtual_mouse_at_rest
  e2e_assert_eq "$left $top" "$VM_LEFT $VM_TOP" "virtual mouse rectangle in Wine"
}
