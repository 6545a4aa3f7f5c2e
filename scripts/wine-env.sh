# shellcheck shell=bash
# A private Wine desktop for running and testing the program: its own X
# display (Xvfb + openbox + trayer as the notification area), its own Wine
# prefix and its own wineserver. Meant to be sourced:
#
#   source scripts/wine-env.sh
#   lumo_env_start            # display, prefix (fresh copy of the template), wineserver
#   wine build/win64/LumoMouse.exe &
#   ...
#   lumo_env_stop             # everything above, by PID
#
# Several of these may run side by side on one machine (other checkouts,
# other users): nothing here looks up or kills a process by name, and the
# display number is one that no other X server holds.

LUMO_ROOT=${LUMO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
LUMO_WINE_DIR=${LUMO_WINE_DIR:-$LUMO_ROOT/build/wine}
LUMO_LOG_DIR=${LUMO_LOG_DIR:-$LUMO_ROOT/build/logs}
LUMO_TOOLS_DIR=${LUMO_TOOLS_DIR:-$LUMO_ROOT/build/e2e}
LUMO_SCREEN=${LUMO_SCREEN:-1280x800x24}
# Bump when the template's settings change, so old templates are rebuilt
# (2: made with wine32 present, so 32-bit programs run in the 64-bit prefix).
LUMO_TEMPLATE_VERSION=2

lumo_log() { echo "[wine-env] $*" >&2; }

# Debian's wine command starts the 32-bit loader whenever wine32 is
# installed, and that loader cannot start where the kernel runs no 32-bit
# programs (some virtual machines). There the 64-bit loader runs everything
# through a wine and a wine-stable of our own first in PATH (wineboot calls
# the latter), and LUMO_WINE_32BIT=0 says that x86 programs cannot run.
LUMO_WINE_32BIT=1
if [[ -x /usr/lib/wine/wine64 && -f /usr/lib/wine/wine ]] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  LUMO_WINE_32BIT=0
  export WINELOADER=/usr/lib/wine/wine64
  lumo_loader_dir=$LUMO_WINE_DIR/loader64
  if [[ ! -x $lumo_loader_dir/wine-stable ]]; then
    mkdir -p "$lumo_loader_dir"
    printf '#!/bin/sh\n[ -n "$WINEDEBUG" ] || export WINEDEBUG=fixme-all\nexec /usr/lib/wine/wine64 "$@"\n' \
      >"$lumo_loader_dir/wine-stable"
    chmod +x "$lumo_loader_dir/wine-stable"
    ln -sf wine-stable "$lumo_loader_dir/wine"
  fi
  [[ :$PATH: == *":$lumo_loader_dir:"* ]] || export PATH=$lumo_loader_dir:$PATH
  # A prefix made without the 32-bit half is not one made with it.
  LUMO_TEMPLATE_VERSION=$LUMO_TEMPLATE_VERSION-64only
  unset lumo_loader_dir
fi

# Runs a command every 0.1 s until it succeeds; false once `seconds` have
# passed (wall clock: the command itself may take a while).
lumo_wait_until() {
  local seconds=$1
  shift
  local deadline=$((${EPOCHREALTIME/./} + seconds * 1000000))
  while :; do
    "$@" >/dev/null 2>&1 && return 0
    ((${EPOCHREALTIME/./} >= deadline)) && return 1
    sleep 0.1
  done
}

lumo_pid_alive() { [[ -n "${1:-}" ]] && kill -0 "$1" 2>/dev/null; }

# Stops one process we started: TERM, up to 3 s of grace, then KILL.
lumo_stop_pid() {
  local pid=${1:-}
  lumo_pid_alive "$pid" || return 0
  kill -TERM "$pid" 2>/dev/null || true
  local tries=30
  while ((tries-- > 0)) && lumo_pid_alive "$pid"; do sleep 0.1; done
  lumo_pid_alive "$pid" && kill -KILL "$pid" 2>/dev/null
  return 0
}

# Runs a command in the background with its output in a log file; the PID
# lands in the variable named by $1. Disowned, so that stopping it later
# prints no job notice.
lumo_spawn() {
  local -n pid_var=$1
  local log=$2
  shift 2
  "$@" >"$log" 2>&1 &
  pid_var=$!
  disown "$pid_var" 2>/dev/null || true
}

# The small X tools (XTest keys, tray probing, key-to-pointer latency);
# native, built on demand.
lumo_build_x_tools() {
  mkdir -p "$LUMO_TOOLS_DIR"
  local tool
  for tool in xkey xprobe pointer_latency; do
    local source=$LUMO_ROOT/tests/e2e/tools/$tool.c
    if [[ ! -x $LUMO_TOOLS_DIR/$tool || $source -nt $LUMO_TOOLS_DIR/$tool ]]; then
      gcc -O2 -Wall -Wextra -o "$LUMO_TOOLS_DIR/$tool" "$source" -lXtst -lX11 || return 1
    fi
  done
}

lumo_display_free() {
  [[ ! -e /tmp/.X11-unix/X$1 && ! -e /tmp/.X$1-lock ]]
}

# Xvfb on the first free display number from 40 on, then openbox (a window
# manager: focus, topmost and minimize behave as on a desktop) and trayer
# docked at the bottom-right corner, so the tray icon is a real X window in
# the lower-right quarter of the screen. Exports DISPLAY.
lumo_display_start() {
  lumo_build_x_tools || return 1
  mkdir -p "$LUMO_LOG_DIR"
  local number
  LUMO_XVFB_PID=
  for number in $(seq 40 199); do
    lumo_display_free "$number" || continue
    lumo_spawn LUMO_XVFB_PID "$LUMO_LOG_DIR/xvfb.log" \
      Xvfb ":$number" -screen 0 "$LUMO_SCREEN" -nolisten tcp -noreset
    # Another starter may have taken the number in the meantime: then this
    # Xvfb exits and we move on.
    if lumo_wait_until 10 lumo_x_ready ":$number" "$LUMO_XVFB_PID"; then
      break
    fi
    lumo_stop_pid "$LUMO_XVFB_PID"
    LUMO_XVFB_PID=
  done
  if [[ -z $LUMO_XVFB_PID ]]; then
    lumo_log "could not start Xvfb (see $LUMO_LOG_DIR/xvfb.log)"
    return 1
  fi
  export DISPLAY=:$number
  LUMO_PRIVATE_DISPLAY=1

  lumo_spawn LUMO_OPENBOX_PID "$LUMO_LOG_DIR/openbox.log" openbox --sm-disable
  if ! lumo_wait_until 10 "$LUMO_TOOLS_DIR/xprobe" wm; then
    lumo_log "openbox did not come up (see $LUMO_LOG_DIR/openbox.log)"
    return 1
  fi
  lumo_spawn LUMO_TRAYER_PID "$LUMO_LOG_DIR/trayer.log" \
    trayer --edge bottom --align right --widthtype pixel --width 200 --height 24
  if ! lumo_wait_until 10 "$LUMO_TOOLS_DIR/xprobe" tray; then
    lumo_log "trayer did not come up (see $LUMO_LOG_DIR/trayer.log)"
    return 1
  fi
  # Keypad keys are digits only with NumLock on (keycode 90 = VK_NUMPAD0).
  numlockx on || true
}

# Our Xvfb ($2) answers on display $1. Two starters may try the same free
# number at once; the loser's Xvfb lives on for a moment while the winner's
# already answers, so the lock file, which holds the PID of the server that
# took the number, decides whose display it is.
lumo_x_ready() {
  local lock_pid
  lumo_pid_alive "$2" && read -r lock_pid <"/tmp/.X${1#:}-lock" 2>/dev/null && [[ $lock_pid == "$2" ]] &&
    xdpyinfo -display "$1" >/dev/null 2>&1
}

# Everything Wine needs, for the prefix in $1.
lumo_wine_exports() {
  export WINEPREFIX=$1
  export WINEARCH=win64
  export WINEDEBUG=-all
  # No Mono/Gecko install prompts, no desktop menu entries in $HOME.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LANG=C.UTF-8
  unset LC_ALL
}

# Wine's fonts know no Chinese face names: map the usual ones to WenQuanYi
# Micro Hei, and ask for smoothed text. `wine reg import` wants UTF-16LE.
lumo_write_font_settings() {
  local names=("SimSun" "NSimSun" "宋体" "新宋体" "SimHei" "黑体" "Microsoft YaHei" "微软雅黑"
               "Microsoft YaHei UI")
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    local name
    for name in "${names[@]}"; do
      printf '"%s"="WenQuanYi Micro Hei"\r\n' "$name"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n'
    printf '"FontSmoothing"="2"\r\n"FontSmoothingType"=dword:00000001\r\n'
  } | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$1"
}

# Windows form of an absolute Unix path (Wine maps Z: to /).
lumo_winpath() {
  local path=$1
  echo "Z:${path//\//\\}"
}

# The template prefix: made once (wineboot takes 10-20 s and ~700 MB), then
# copied for every round. A marker with the template version says it is
# complete; a lock keeps two starters from building it at once.
lumo_prefix_template() {
  local template=$LUMO_WINE_DIR/template
  local marker=$template/.lumo-template
  mkdir -p "$LUMO_WINE_DIR" "$LUMO_LOG_DIR"
  (
    flock 9
    if [[ -f $marker && $(cat "$marker") == "$LUMO_TEMPLATE_VERSION" ]]; then
      exit 0
    fi
    lumo_log "creating the Wine prefix template (once, about 20 s)"
    rm -rf "$template"
    lumo_wine_exports "$template"
    wineboot -i >"$LUMO_LOG_DIR/wineboot.log" 2>&1 || exit 1
    wineserver -w
    local reg=$LUMO_WINE_DIR/fonts.reg
    lumo_write_font_settings "$reg"
    wine reg import "$(lumo_winpath "$reg")" >>"$LUMO_LOG_DIR/wineboot.log" 2>&1 || exit 1
    wineserver -w
    echo "$LUMO_TEMPLATE_VERSION" >"$marker"
  ) 9>"$LUMO_WINE_DIR/template.lock"
}

# The screen's dots per inch for the programs of the prefix (Wine reads
# LogPixels when a program starts; 96 is 100 %, 144 150 %, 168 175 %).
lumo_set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# A fresh copy of the template at $1.
lumo_prefix_copy() {
  local target=$1
  rm -rf "$target"
  mkdir -p "$(dirname "$target")"
  cp -a "$LUMO_WINE_DIR/template" "$target"
}

# Starts everything. Options:
#   --keep-display   use $DISPLAY when it is set instead of a private display
#   --prefix DIR     the prefix to use (default build/wine/run), copied fresh
#                    from the template
#   --dpi N          the screen's dots per inch (default 96, Wine's own)
lumo_env_start() {
  local keep_display=0 prefix=$LUMO_WINE_DIR/run dpi=96
  while (($#)); do
    case $1 in
      --keep-display) keep_display=1 ;;
      --prefix) prefix=$2; shift ;;
      --dpi) dpi=$2; shift ;;
      *) lumo_log "unknown option $1"; return 2 ;;
    esac
    shift
  done
  # Read by callers: 1 when the display is ours (and worth a screenshot).
  # shellcheck disable=SC2034
  LUMO_PRIVATE_DISPLAY=0
  if ((keep_display)) && [[ -n ${DISPLAY:-} ]]; then
    lumo_build_x_tools || return 1
  else
    lumo_display_start || { lumo_env_stop; return 1; }
  fi
  lumo_prefix_template || { lumo_log "prefix template failed (see $LUMO_LOG_DIR/wineboot.log)"; lumo_env_stop; return 1; }
  lumo_prefix_copy "$prefix"
  lumo_wine_exports "$prefix"
  # A persistent wineserver: each program then starts in ~0.25 s, not ~0.7 s.
  wineserver -p
  if ((dpi != 96)); then
    lumo_set_dpi "$dpi" || { lumo_log "could not set $dpi dpi"; lumo_env_stop; return 1; }
  fi
}

# Ends the prefix's Wine processes and the private display. Safe to call
# more than once and after a failed start.
lumo_env_stop() {
  if [[ -n ${WINEPREFIX:-} && -d ${WINEPREFIX:-} ]]; then
    wineserver -k >/dev/null 2>&1 || true
    timeout 10 wineserver -w >/dev/null 2>&1 || true
  fi
  lumo_stop_pid "${LUMO_TRAYER_PID:-}"
  lumo_stop_pid "${LUMO_OPENBOX_PID:-}"
  lumo_stop_pid "${LUMO_XVFB_PID:-}"
  LUMO_TRAYER_PID='' LUMO_OPENBOX_PID='' LUMO_XVFB_PID=''
}
