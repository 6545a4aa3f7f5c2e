# shellcheck shell=bash
# Start-up, the notification-area icon, its menu and the exit.
# The icon is docked in trayer at the bottom-right corner of the screen, so
# its centre lies in the lower-right quarter: the menu opens up and to the
# left of the pointer there.

# The tray menu window, 1575 twips square (at 96 dpi).
readonly MENU_SIZE_PX=105

test_settings_window_appears_at_start() {
  e2e_start_and_wait_settings
  # 5535 x 6015 twips, no frame: the window is all client area.
  e2e_wait_rect "$TITLE_SETTINGS" '*' '*' 369 401
  e2e_assert_eq "369 401" "$(e2e_field "$E2E_WINDOW" client_width) $(e2e_field "$E2E_WINDOW" client_height)" \
    "settings client size"
  e2e_assert_eq 0 "$(e2e_field "$E2E_WINDOW" iconic)" "settings window minimized"
  # The menu window exists from start-up but stays hidden.
  e2e_wait_window "$TITLE_TRAY_MENU" 0
  # The virtual mouse comes only with the first apply.
  local virtual_mouse
  virtual_mouse=$(e2e_find_window "$TITLE_VIRTUAL_MOUSE")
  e2e_assert_true "virtual mouse visible before the first apply" \
    test -z "$virtual_mouse" -o "$(e2e_field "$virtual_mouse" visible)" = 0
}

test_tray_icon_is_docked_with_its_tip() {
  e2e_start_and_wait_settings
  e2e_wait_tray_icon
  # trayer is 200 x 24 px at the bottom-right of the 1280 x 800 screen.
  e2e_assert_true "tray icon at $E2E_ICON_X,$E2E_ICON_Y is not in the bottom-right tray" \
    test "$E2E_ICON_X" -ge 1080 -a "$E2E_ICON_Y" -ge 776
  e2e_tray_tip
  e2e_assert_eq "$TRAY_TIP" "$E2E_TIP" "tray icon tip"
  e2e_screenshot tip >/dev/null
}

test_hide_from_menu_then_left_click_shows_settings() {
  e2e_start_and_wait_settings
  e2e_wait_settled "$TITLE_SETTINGS"
  local settings_left=$E2E_LEFT settings_top=$E2E_TOP
  e2e_wait_tray_icon
  e2e_open_tray_menu
  e2e_screenshot menu >/dev/null
  e2e_click_tray_menu_row hideSettingsItem
  e2e_wait_window_hidden "$TITLE_SETTINGS"
  e2e_wait_window_hidden "$TITLE_TRAY_MENU"
  # Hidden, not closed: the window still exists.
  e2e_wait_window "$TITLE_SETTINGS" 0

  e2e_tray_click 1
  e2e_wait_rect "$TITLE_SETTINGS" "$settings_left" "$settings_top" '*' '*'
  e2e_assert_true "left click opened the tray menu" test "$(e2e_field "$(e2e_find_window "$TITLE_TRAY_MENU")" visible)" = 0
}

# Wine's shell never sends the icon's keyboard selection or context menu:
# they are posted as the shell would. Away from the pointer, the menu opens
# with its first item marked; Down and Enter run "隐藏设置", Esc closes it.
test_tray_keyboard_selection_and_menu_keys() {
  e2e_start_and_wait_settings
  e2e_wait_tray_icon
  local tray
  tray=$(e2e_field "$(e2e_find_window "$TITLE_TRAY_MENU")" hwnd)
  e2e_move 10 10
  e2e_retry 2 "Down and Enter in the tray menu" hide_settings_by_menu_keys "$tray"
  e2e_wait_window_hidden "$TITLE_TRAY_MENU"
  e2e_helper shellmsg tray "$tray" 0x401 "$E2E_ICON_CX" "$E2E_ICON_CY" >/dev/null
  e2e_wait_window "$TITLE_SETTINGS" 1
  e2e_helper shellmsg tray "$tray" 0x7b "$E2E_ICON_CX" "$E2E_ICON_CY" >/dev/null
  menu_takes_keys
  e2e_keys ESCAPE
  e2e_wait_window_hidden "$TITLE_TRAY_MENU"
}

# Opens the menu from the keyboard and runs "隐藏设置" with Down and Enter.
# Wine can drop a key that comes right after the menu's activation, though
# the menu has the keyboard by then: the caller tries again.
hide_settings_by_menu_keys() {
  e2e_helper shellmsg tray "$1" 0x7b "$E2E_ICON_CX" "$E2E_ICON_CY" >/dev/null
  menu_takes_keys
  e2e_keys DOWN RETURN
  E2E_WAIT_SOFT=1 e2e_wait 3 "the settings window hidden by the menu's keys" e2e_window_hidden "$TITLE_SETTINGS"
}

# Waits for the menu to show and to have the keyboard.
menu_takes_keys() {
  e2e_wait_window "$TITLE_TRAY_MENU" 1
  local menu=$E2E_WINDOW
  e2e_focus_window "$TITLE_TRAY_MENU"
  e2e_wait "$E2E_TIMEOUT" "the tray menu to have the keyboard" menu_focused "$menu"
  # The key that follows the activation too closely is the one Wine drops,
  # and nothing shows when it would be safe.
  sleep 0.3
}
menu_focused() {
  e2e_focus_in "$1"
  [[ $E2E_FOCUS == *" $TITLE_TRAY_MENU" ]]
}

test_right_click_opens_menu_above_left_of_pointer() {
  e2e_start_and_wait_settings
  e2e_wait_tray_icon
  e2e_open_tray_menu
  # The right-click was at the icon's centre, in the lower-right quarter:
  # left = x*15 - 1500 twips, top = y*15 - 1800 twips, so the bottom-right
  # corner is 5 px right of and 15 px above the pointer.
  e2e_wait_rect "$TITLE_TRAY_MENU" $((E2E_ICON_CX + 5 - MENU_SIZE_PX)) $((E2E_ICON_CY - 15 - MENU_SIZE_PX)) \
    "$MENU_SIZE_PX" "$MENU_SIZE_PX"
  e2e_assert_eq 1 "$(e2e_field "$E2E_WINDOW" topmost)" "menu window topmost"
  # The settings window is not touched by the menu.
  e2e_wait_window "$TITLE_SETTINGS" 1
}

test_exit_from_menu_ends_program_and_removes_icon() {
  e2e_start_and_wait_settings
  e2e_wait_tray_icon
  e2e_open_tray_menu
  e2e_click_tray_menu_row exitItem
  e2e_wait_program_exit
  e2e_wait_no_tray_icon
  e2e_assert_eq "" "$(e2e_find_window "$TITLE_SETTINGS")" "settings window after exit"
}

test_menu_items_show_settings_and_about() {
  e2e_start_and_wait_settings
  e2e_wait_tray_icon
  e2e_open_tray_menu
  e2e_click_tray_menu_row hideSettingsItem
  e2e_wait_window_hidden "$TITLE_SETTINGS"
  e2e_open_tray_menu
  e2e_click_tray_menu_row showSettingsItem
  e2e_wait_window "$TITLE_SETTINGS" 1
  e2e_wait_window_hidden "$TITLE_TRAY_MENU"
  e2e_open_tray_menu
  e2e_click_tray_menu_row aboutItem
  e2e_wait_window "$TITLE_ABOUT" 1
  e2e_wait_window_hidden "$TITLE_TRAY_MENU"
}

# ---------------------------------------------------------------- display scale

# The program at $1 dots per inch: the settings window measures $2 x $3 px;
# a picture of each window goes to artifacts/screenshots/<test>-<window>.png;
# the resolution line is drawn as wide as the screen's whole pixel size
# reads; a line break pasted into the box beside the apply button does not
# apply; a click far shorter than the menu's 100 ms watchdog tick, on another
# program's window, closes the tray menu.
windows_at_scale() {
  local dpi=$1 width=$2 height=$3
  e2e_use_dpi "$dpi"
  # Started first: a window that opens takes the activation.
  e2e_start_click_target 10 10 200 60
  e2e_start_and_wait_settings
  e2e_wait_rect "$TITLE_SETTINGS" '*' '*' "$width" "$height"
  e2e_wait_settled "$TITLE_SETTINGS"
  local settings=$E2E_WINDOW
  e2e_wait_tray_icon
  e2e_move 1 1
  e2e_wait_no_tooltip
  e2e_save_window_picture "$settings" "$E2E_ARTIFACTS/screenshots/$E2E_TEST-settings.png"

  local screen=${LUMO_SCREEN%x*}
  e2e_text_width "屏幕分辨率:${screen%x*} * ${screen#*x}"
  # The line, from a little before it up to the apply button.
  local line apply about_ok enter_box_rect
  e2e_control_rect line SettingsWindow resolutionLabel
  e2e_control_rect apply SettingsWindow applyButton
  e2e_control_rect enter_box_rect SettingsWindow enterBox
  e2e_control_rect about_ok AboutWindow okButton
  e2e_ink_width "$settings" $((line[0] - 120)) $((line[1] - 30)) $((apply[0] - 60 - (line[0] - 120))) 300
  e2e_assert_near "$E2E_TEXT_WIDTH" "$E2E_INK_WIDTH" 3 "drawn width of the resolution line in px"

  local enter_box
  enter_box=$(e2e_find_control "$settings" "${enter_box_rect[0]}" "${enter_box_rect[1]}" Edit)
  [[ -n $enter_box ]] || e2e_fail "no text box beside the apply button"
  e2e_window_text "$enter_box"
  local before=$E2E_TEXT
  e2e_set_clipboard $'12\r\n34'
  e2e_click_in_window_twips "$settings" "${enter_box_rect[@]}"
  e2e_wait "$E2E_TIMEOUT" "the box beside the apply button to have the keyboard" e2e_focus_on_text_box "$settings"
  xdotool key End ctrl+v
  # A one-line edit control pastes up to the line break.
  e2e_wait "$E2E_TIMEOUT" "the box beside the apply button to hold '${before}12' after the paste" \
    e2e_box_holds "$enter_box" "${before}12"
  sleep 1  # time for an apply that must not come
  e2e_wait_window "$TITLE_SETTINGS" 1
  e2e_assert_eq "" "$(e2e_find_window "$TITLE_VIRTUAL_MOUSE")" "virtual mouse after a paste"

  e2e_open_tray_menu
  e2e_save_window_picture "$E2E_WINDOW" "$E2E_ARTIFACTS/screenshots/$E2E_TEST-tray-menu.png"
  e2e_click 110 40
  e2e_wait_window_hidden "$TITLE_TRAY_MENU" 3

  e2e_open_tray_menu
  e2e_click_tray_menu_row aboutItem
  e2e_wait_settled "$TITLE_ABOUT"
  local about=$E2E_WINDOW
  e2e_move 1 1
  e2e_wait_no_tooltip
  e2e_save_window_picture "$about" "$E2E_ARTIFACTS/screenshots/$E2E_TEST-about.png"
  # "确定" closes it; it lies over the apply button.
  e2e_click_in_window_twips "$about" "${about_ok[@]}"
  e2e_wait_window_hidden "$TITLE_ABOUT"

  e2e_click_in_window_twips "$settings" "${apply[@]}"
  e2e_wait_window "$TITLE_VIRTUAL_MOUSE" 1
  e2e_move 60 300
  e2e_wait "$E2E_TIMEOUT" "the virtual mouse to follow the pointer to 60,300" tip_near 60 300
  e2e_wait_settled "$TITLE_VIRTUAL_MOUSE"
  e2e_save_window_picture "$E2E_WINDOW" "$E2E_ARTIFACTS/screenshots/$E2E_TEST-virtual-mouse.png"
}

# Slow follow puts the tip 10 twips past the pointer: the same pixel or the
# next one or two.
tip_near() {
  e2e_window_is "$TITLE_VIRTUAL_MOUSE" 1 && ((E2E_LEFT - $1 >= 0 && E2E_LEFT - $1 <= 2 && E2E_TOP - $2 >= 0 && E2E_TOP - $2 <= 2))
}

test_windows_at_96_dpi() { windows_at_scale 96 369 401; }
test_windows_at_168_dpi() { windows_at_scale 168 646 702; }
