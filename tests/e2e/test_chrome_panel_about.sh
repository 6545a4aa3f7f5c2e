# shellcheck shell=bash disable=SC2034  # arrays passed by name to click_setting
# The settings window's own chrome (close box, window menu, fold tab), the
# shopping links panel (search, channel and shop links, chat) and the About
# window (its links, dragging, closing). Web addresses are captured through
# Wine's browser launcher instead of opening a browser: the settings window
# hands them to the shell, the About window starts "explorer.exe <address>",
# and both end in the launcher. The launcher passes a space on as %20 and
# Chinese as raw UTF-8.

# Controls of the settings window, twips from its top-left corner (left top
# width height), from the layout of the windows.
e2e_control_rect SEARCH_BOX SettingsWindow searchBox
e2e_control_rect CHAT_BOX SettingsWindow chatBox
# A free spot of the settings window body, between the information line and
# the panel.
readonly SETTINGS_BODY_SPOT=(1500 4380 0 0)

# The settings window is 369 px wide; 401 px high unfolded, 305 folded.
readonly SETTINGS_UNFOLDED_HEIGHT=401
readonly SETTINGS_FOLDED_HEIGHT=305

# The About window: 4575 x 4455 twips; its five links in the order of the
# pages of about_config.h below, and its close label "确定".
readonly ABOUT_WIDTH_PX=305
readonly ABOUT_HEIGHT_PX=297
readonly ABOUT_PAGE_LINKS=(studioPageLink baiduBlogLink sinaWeiboLink neteaseWeiboLink tencentWeiboLink)
readonly ABOUT_PAGES=(kStudioPage kBaiduBlogPage kSinaWeiboPage kNeteaseWeiboPage kTencentWeiboPage)
e2e_control_rect ABOUT_OK AboutWindow okButton

readonly PROMO_CONFIG=settings_window/promo_config.h
readonly ABOUT_CONFIG=about_window/about_config.h

# Starts the program with the browser captured and the characters of the
# texts $@ bound to keys, and waits for the settings window to settle;
# SETTINGS is then its winlist line.
start_with_browser_captured() {
  e2e_capture_browser
  e2e_bind_characters "$@"
  e2e_start_and_wait_settings
  e2e_wait_rect "$TITLE_SETTINGS" '*' '*' 369 "$SETTINGS_UNFOLDED_HEIGHT"
  e2e_wait_settled "$TITLE_SETTINGS"
  SETTINGS=$E2E_WINDOW
  # The first start on a fresh Wine prefix can show the window before it is
  # active; clicks into it wait for the keyboard to be there.
  E2E_WAIT_SOFT=1 e2e_wait 10 "the settings window to have the keyboard" e2e_has_focus "$SETTINGS" ||
    { e2e_log "the settings window has no keyboard focus: activating it" && e2e_focus_window "$TITLE_SETTINGS"; }
}

test_search_puts_typed_text_into_search_address() {
  # An ampersand in the text is not escaped: it starts a new query key.
  local text="宝贝 搜索&中"
  start_with_browser_captured "$text"
  click_setting SEARCH_BOX
  e2e_type_into "$SETTINGS" "${SEARCH_BOX[0]}" "${SEARCH_BOX[1]}" "$text"
  click_setting searchButton
  e2e_wait_urls 1
  e2e_config_value "$PROMO_CONFIG" kSearchHost
  local host=$E2E_CONFIG_VALUE
  e2e_config_value "$PROMO_CONFIG" kAffiliateId
  e2e_assert_eq "http://$host/search?q=宝贝%20搜索&中&pid=$E2E_CONFIG_VALUE&unid=0&mode=63" "${E2E_URLS[0]}" \
    "search address"
  # The search leaves the box as typed.
  e2e_wait_control_text "$SETTINGS" "${SEARCH_BOX[0]}" "${SEARCH_BOX[1]}" "$text"
}

test_channel_and_shop_links_open_their_pages() {
  start_with_browser_captured
  click_setting crownShopsLink
  e2e_wait_urls 1
  click_setting mallLink
  e2e_wait_urls 2
  click_setting generalChannelLink
  e2e_wait_urls 3
  click_setting shopLink
  e2e_wait_urls 4
  e2e_config_value "$PROMO_CONFIG" kChannelHost
  local channels="http://$E2E_CONFIG_VALUE/tms/channel"
  e2e_config_value "$PROMO_CONFIG" kAffiliateId
  local pid=$E2E_CONFIG_VALUE
  e2e_assert_eq "$channels/huangguan.htm?pid=$pid&eventid=101858" "${E2E_URLS[0]}" "crown shops channel"
  e2e_assert_eq "$channels/channelmall.htm?pid=$pid&eventid=101334" "${E2E_URLS[1]}" "mall channel"
  e2e_assert_eq "$channels/channelcode.htm?pid=$pid&eventid=101329" "${E2E_URLS[2]}" "general channel"
  e2e_config_value "$PROMO_CONFIG" kShopAddress
  e2e_assert_eq "$E2E_CONFIG_VALUE" "${E2E_URLS[3]}" "shop"
}

test_chat_box_clears_its_hint_and_opens_an_encoded_chat() {
  # The trailing space is trimmed; the inner one is escaped, never a plus.
  local text="你好 Lumo "
  start_with_browser_captured "$text"
  e2e_config_value "$PROMO_CONFIG" kMessengerNumber
  local hint="阿里旺旺临时会话工具______Lumo_QQ:$E2E_CONFIG_VALUE"
  e2e_wait_control_text "$SETTINGS" "${CHAT_BOX[0]}" "${CHAT_BOX[1]}" "$hint"
  click_setting CHAT_BOX
  e2e_wait_control_text "$SETTINGS" "${CHAT_BOX[0]}" "${CHAT_BOX[1]}" ""

  # A right press on the body puts the hint back into the empty box and
  # starts no drag.
  click_setting SETTINGS_BODY_SPOT 3
  e2e_wait_control_text "$SETTINGS" "${CHAT_BOX[0]}" "${CHAT_BOX[1]}" "$hint"
  e2e_wait_rect "$TITLE_SETTINGS" "$(e2e_field "$SETTINGS" left)" "$(e2e_field "$SETTINGS" top)" '*' '*'
  click_setting CHAT_BOX
  e2e_wait_control_text "$SETTINGS" "${CHAT_BOX[0]}" "${CHAT_BOX[1]}" ""

  e2e_type_into "$SETTINGS" "${CHAT_BOX[0]}" "${CHAT_BOX[1]}" "$text"
  click_setting chatButton
  e2e_wait_urls 1
  e2e_config_value "$PROMO_CONFIG" kChatHost
  e2e_assert_eq "http://$E2E_CONFIG_VALUE/msg.aw?v=2&uid=%E4%BD%A0%E5%A5%BD%20Lumo&site=cntaobao&s=1&charset=utf-8" \
    "${E2E_URLS[0]}" "chat address"
  # With text in the box, a press on the body leaves it alone.
  click_setting SETTINGS_BODY_SPOT 3
  sleep 0.5  # time for a change that must not come
  e2e_wait_control_text "$SETTINGS" "${CHAT_BOX[0]}" "${CHAT_BOX[1]}" "$text"
}

test_about_links_start_the_browser_and_the_window_stays() {
  start_with_browser_captured
  click_setting aboutLink
  e2e_wait_rect "$TITLE_ABOUT" '*' '*' "$ABOUT_WIDTH_PX" "$ABOUT_HEIGHT_PX"
  e2e_wait_settled "$TITLE_ABOUT"
  local about=$E2E_WINDOW i link
  for i in "${!ABOUT_PAGE_LINKS[@]}"; do
    e2e_control_rect link AboutWindow "${ABOUT_PAGE_LINKS[i]}"
    e2e_click_in_window_twips "$about" "${link[@]}"
    e2e_wait_urls $((i + 1))
    e2e_config_value "$ABOUT_CONFIG" "${ABOUT_PAGES[i]}"
    e2e_assert_eq "$E2E_CONFIG_VALUE" "${E2E_URLS[i]}" "page of About link $((i + 1))"
    e2e_wait_rect "$TITLE_ABOUT" "$(e2e_field "$about" left)" "$(e2e_field "$about" top)" \
      "$ABOUT_WIDTH_PX" "$ABOUT_HEIGHT_PX"
  done
  e2e_screenshot links >/dev/null

  # The keyboard: Tab reaches the first link, Enter opens it, Esc closes;
  # shown again, "确定" has the keyboard and Enter closes.
  e2e_focus_window "$TITLE_ABOUT"
  e2e_keys TAB RETURN
  e2e_wait_urls 6
  e2e_config_value "$ABOUT_CONFIG" "${ABOUT_PAGES[0]}"
  e2e_assert_eq "$E2E_CONFIG_VALUE" "${E2E_URLS[5]}" "page of the first About link by Enter"
  e2e_focus_window "$TITLE_ABOUT"
  e2e_keys ESCAPE
  e2e_wait_window_hidden "$TITLE_ABOUT"
  click_setting aboutLink
  e2e_focus_window "$TITLE_ABOUT"
  e2e_keys RETURN
  e2e_wait_window_hidden "$TITLE_ABOUT"
}

# Tab goes round every stop in order and back to the hotkey switch, and
# Shift+Tab goes back; the painted stops (apply, About, the fold tab, the
# chat and search buttons, the links) keep the keyboard in the window itself.
test_tab_goes_round_every_stop() {
  start_with_browser_captured
  e2e_focus_window "$TITLE_SETTINGS"
  local visited=() i
  for i in {1..23}; do
    e2e_keys TAB
    visited+=("$(focused_stop)")
  done
  e2e_screenshot ring_end >/dev/null
  e2e_assert_eq "Edit Edit Edit Edit Edit Edit Edit 鼠标下显示坐标 幻彩指针 鼠标顶置 慢速跟随鼠标 painted painted painted \
Edit painted Edit painted painted painted painted painted 使用键盘快捷键" "${visited[*]}" "stops in Tab order"
  e2e_keys SHIFT+TAB
  e2e_assert_eq painted "$(focused_stop)" "stop before the hotkey switch"
  e2e_keys SHIFT+TAB SHIFT+TAB TAB
  e2e_assert_eq painted "$(focused_stop)" "stop after Shift+Tab twice and Tab"
}

# The focused control of the settings window: "Edit", "painted" (the
# window itself) or a check or option button's caption.
focused_stop() {
  e2e_focus_in "$SETTINGS"
  case $E2E_FOCUS in
    Edit*) echo Edit ;;
    LumoFormSurface*) echo painted ;;
    *) echo "${E2E_FOCUS#* }" ;;
  esac
}

test_fold_tab_folds_and_unfolds_the_panel() {
  start_with_browser_captured
  local left top
  left=$(e2e_field "$SETTINGS" left)
  top=$(e2e_field "$SETTINGS" top)
  click_setting foldTab
  e2e_wait_rect "$TITLE_SETTINGS" "$left" "$top" 369 "$SETTINGS_FOLDED_HEIGHT"
  e2e_screenshot folded >/dev/null
  # The unfold hot area lies in the same place.
  click_setting foldTab
  e2e_wait_rect "$TITLE_SETTINGS" "$left" "$top" 369 "$SETTINGS_UNFOLDED_HEIGHT"
  # And they keep alternating.
  click_setting foldTab
  e2e_wait_rect "$TITLE_SETTINGS" "$left" "$top" 369 "$SETTINGS_FOLDED_HEIGHT"
}

test_window_menu_minimize_item_minimizes() {
  start_with_browser_captured
  open_window_menu
  e2e_screenshot menu >/dev/null
  click_setting menuMinimizeItem
  e2e_wait "$E2E_TIMEOUT" "the settings window minimized" settings_minimized
  e2e_assert_true "the program ended on minimize" e2e_program_running
}
settings_minimized() { [[ $(e2e_field "$(e2e_find_window "$TITLE_SETTINGS")" iconic) == 1 ]]; }

test_about_from_tray_drags_closes_and_reopens_at_its_start() {
  start_with_browser_captured
  e2e_wait_tray_icon
  e2e_open_tray_menu
  e2e_click_tray_menu_row aboutItem
  e2e_wait_rect "$TITLE_ABOUT" '*' '*' "$ABOUT_WIDTH_PX" "$ABOUT_HEIGHT_PX"
  e2e_wait_settled "$TITLE_ABOUT"
  local start_left=$E2E_LEFT start_top=$E2E_TOP
  # A free spot of the title band, which belongs to the body.
  local x=$((start_left + 150)) y=$((start_top + 8))

  # The right button drags nothing.
  drag_about 3 "$x" "$y"
  sleep 0.5  # time for a move that must not come
  e2e_wait_rect "$TITLE_ABOUT" "$start_left" "$start_top" "$ABOUT_WIDTH_PX" "$ABOUT_HEIGHT_PX"

  drag_about 1 "$x" "$y"
  e2e_wait_rect "$TITLE_ABOUT" $((start_left + 100)) $((start_top + 60)) "$ABOUT_WIDTH_PX" "$ABOUT_HEIGHT_PX"
  e2e_screenshot dragged >/dev/null

  e2e_click_in_window_twips "$E2E_WINDOW" "${ABOUT_OK[@]}"
  e2e_wait_window_hidden "$TITLE_ABOUT"
  e2e_assert_true "the program ended with the About window" e2e_program_running

  e2e_open_tray_menu
  e2e_click_tray_menu_row aboutItem
  e2e_wait_rect "$TITLE_ABOUT" "$start_left" "$start_top" "$ABOUT_WIDTH_PX" "$ABOUT_HEIGHT_PX"
}

# Presses button $1 at $2,$3, moves the pointer 100 px right and 60 px down
# in steps, and releases.
drag_about() {
  local button=$1 x=$2 y=$3 step
  # Each move waits for Wine to see the pointer arrive (see e2e_click).
  e2e_move "$x" "$y"
  sleep 0.2
  xdotool mousedown "$button"
  for step in 1 2 3 4 5; do
    xdotool mousemove --sync $((x + step * 20)) $((y + step * 12))
    sleep 0.05
  done
  sleep 0.2
  xdotool mouseup "$button"
}
