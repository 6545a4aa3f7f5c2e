#!/usr/bin/env bash
# Builds LumoMouse.exe for 64-bit Windows and runs it under Wine.
#
#   bash scripts/run.sh              install packages, build, run
#   bash scripts/run.sh --no-build   run what is already built
#   bash scripts/run.sh --dpi 144    at another display scale (144 = 150 %)
#
# With a DISPLAY the program appears there. Without one, it runs on a
# private virtual screen (Xvfb with a window manager and a tray at the
# bottom-right) and a screenshot of that screen is refreshed every few
# seconds. Runs until the program exits (tray menu "退出程序") or Ctrl-C.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=1 dpi=96
while (($#)); do
  case $1 in
    --no-build) build=0 ;;
    --dpi) [[ ${2:-} =~ ^[0-9]+$ ]] || { echo "run: --dpi needs a number" >&2; exit 2; }; dpi=$2; shift ;;
    *) echo "usage: bash scripts/run.sh [--no-build] [--dpi N]" >&2; exit 2 ;;
  esac
  shift
done

bash scripts/install-deps.sh
if ((build)); then
  cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
  cmake --build build/win64 -j2
fi
exe=${LUMO_EXE:-$PWD/build/win64/LumoMouse.exe}
[[ -f $exe ]] || { echo "run: $exe is missing; build it first" >&2; exit 1; }

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
screenshot=$PWD/build/screenshots/run.png
interval=5

stop() {
  trap - EXIT INT TERM
  echo
  echo "run: stopping"
  lumo_env_stop
  # The prefix is a fresh copy of the template on every run: ~700 MB to free.
  [[ ${WINEPREFIX:-} == "$PWD"/build/wine/run ]] && rm -rf "$WINEPREFIX"
  return 0
}
trap stop EXIT
trap 'exit 130' INT TERM

if [[ -n ${DISPLAY:-} ]]; then
  lumo_env_start --keep-display --dpi "$dpi"
else
  lumo_env_start --dpi "$dpi"
fi

wine "$exe" >"$LUMO_LOG_DIR/program.log" 2>&1 &
program=$!
echo "run: $exe is running under Wine (display $DISPLAY, prefix $WINEPREFIX)"
if ((LUMO_PRIVATE_DISPLAY)); then
  mkdir -p "$(dirname "$screenshot")"
  sleep 3
  echo "run: private screen 1280x800; screenshot: $screenshot (refreshed every ${interval} s)"
  echo "run: to drive it from another terminal: DISPLAY=$DISPLAY xdotool mousemove 1269 788 click 3"
fi
echo "run: press Ctrl-C to stop"

while lumo_pid_alive "$program"; do
  if ((LUMO_PRIVATE_DISPLAY)); then
    # Written aside and renamed, so a viewer never reads half a file.
    import -display "$DISPLAY" -window root "$screenshot.tmp.png" 2>/dev/null &&
      mv -f "$screenshot.tmp.png" "$screenshot"
  fi
  sleep "$interval"
done
echo "run: the program has ended"
