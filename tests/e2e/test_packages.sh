# shellcheck shell=bash disable=SC2034  # probes leave what they saw in E2E_SAW
# The downloads of build/dist (scripts/package.sh): the installer's silent
# install, the installed program, the upgrade over a running copy and the
# silent uninstall, per machine and per user, on 64-bit and on 32-bit
# Windows; the x86 zip under 32-bit Wine in the 64-bit prefix (WoW64).

PKG_VERSION=$(lumo_version_text)
PKG_DIST=$LUMO_ROOT/build/dist
PKG_SETUP=$PKG_DIST/LumoMouse-$PKG_VERSION-setup.exe
readonly PKG_UNINSTALL_KEY='Software\Microsoft\Windows\CurrentVersion\Uninstall\LumoMouse'
readonly PKG_RUN_KEY='Software\Microsoft\Windows\CurrentVersion\Run'
readonly PKG_SHORTCUT="$TITLE_SETTINGS.lnk"

# The values of a registry key (64-bit view) as name=data lines, data as
# regedit writes it ("text" with \\ for \, dword:0000001f); nothing when the
# key is missing.
# The installer is a 32-bit program, as is the x86 exe.
pkg_need_32bit_wine() {
  ((LUMO_WINE_32BIT)) || e2e_skip "this kernel runs no 32-bit programs, so 32-bit Wine cannot start"
}

pkg_reg_values() {
  local file=$E2E_TEST_DIR/export.reg
  rm -f "$file"
  wine reg export "$1" "$(e2e_winpath "$file")" /reg:64 /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16LE -t UTF-8 "$file" | tr -d '\r' | sed -n 's/^"\([^"]*\)"=/\1=/p'
}

# Runs the installer with the given options and waits for it.
pkg_install() {
  [[ -f $PKG_SETUP ]] || e2e_fail "no installer $PKG_SETUP: run scripts/package.sh"
  wine "$PKG_SETUP" /S "$@" >>"$E2E_TEST_DIR/logs/setup.log" 2>&1 || e2e_fail "installer $* failed"
}

# Checks one install in the Windows folder $1: the files, the Start-menu
# shortcut in the Unix folder $2 and the uninstall entry in the hive $3 (HKLM
# or HKCU); sets PKG_QUIET_UNINSTALL.
pkg_check_installed() {
  local win_dir=$1 start_menu=$2 hive=$3
  local dir file
  dir=$(pkg_unix_path "$win_dir")
  for file in LumoMouse.exe uninstall.exe 说明.txt; do
    e2e_assert_true "$file not installed in $dir" test -f "$dir/$file"
  done
  e2e_assert_true "no Start-menu shortcut" test -f "$start_menu/$PKG_SHORTCUT"
  local values expected
  values=$(pkg_reg_values "$hive\\$PKG_UNINSTALL_KEY")
  for expected in "DisplayName=\"$TITLE_SETTINGS\"" "DisplayVersion=\"$PKG_VERSION\"" 'Publisher="Lumo"' \
    "DisplayIcon=\"$(pkg_reg_text "$win_dir\\LumoMouse.exe")\"" 'NoModify=dword:00000001' 'NoRepair=dword:00000001'; do
    grep -qxF "$expected" <<<"$values" || e2e_fail "uninstall entry in $hive lacks $expected; has: $values"
  done
  grep -q '^EstimatedSize=dword:' <<<"$values" || e2e_fail "uninstall entry without EstimatedSize"
  grep -q '^UninstallString=' <<<"$values" || e2e_fail "uninstall entry without UninstallString"
  PKG_QUIET_UNINSTALL=$(sed -n 's/^QuietUninstallString="\(.*\)"$/\1/p' <<<"$values" | sed 's/\\\\/\\/g; s/\\"/"/g')
  [[ $PKG_QUIET_UNINSTALL == *' /S' ]] || e2e_fail "QuietUninstallString '$PKG_QUIET_UNINSTALL' is not silent"
}

# A Windows path as regedit writes it in a .reg file.
pkg_reg_text() { echo "${1//\\/\\\\}"; }

# The Unix path of a Windows path on C: or of a path relative to drive_c.
pkg_unix_path() {
  local path=${1#C:\\}
  echo "$WINEPREFIX/drive_c/${path//\\//}"
}

# Runs the QuietUninstallString ("exe" options) as Windows would, then waits
# until the folder $1 is gone: the uninstaller copies itself to the temp
# folder and returns at once.
pkg_uninstall() {
  local dir exe=${PKG_QUIET_UNINSTALL#\"}
  dir=$(pkg_unix_path "$1")
  exe=${exe%%\"*}
  local -a options
  read -ra options <<<"${PKG_QUIET_UNINSTALL#*\" }"
  wine "$exe" "${options[@]}" >>"$E2E_TEST_DIR/logs/uninstall.log" 2>&1
  e2e_wait 30 "the uninstall to remove $dir" folder_gone "$dir"
}

folder_gone() {
  E2E_SAW=$(cd "$1" 2>/dev/null && echo *)
  [[ ! -e $1 ]]
}

# After an uninstall: no shortcut, and (once Wine has saved its registry) no
# registry value that names the program anywhere.
pkg_check_removed() {
  local start_menu=$1
  e2e_assert_true "Start-menu shortcut left behind" test ! -e "$start_menu/$PKG_SHORTCUT"
  wineserver -k >/dev/null 2>&1
  wineserver -w
  local leftovers
  leftovers=$(grep -i -H 'LumoMouse' "$WINEPREFIX"/*.reg)
  [[ -z $leftovers ]] || e2e_fail "registry values left behind: $leftovers"
}

# The machine of a PE file: 014c (x86) or 8664 (x64).
pkg_pe_machine() {
  local offset
  offset=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  od -An -t x2 -j $((offset + 4)) -N 2 "$1" | tr -d ' '
}

test_package_installs_for_all_users_starts_and_uninstalls_cleanly() {
  pkg_need_32bit_wine
  local win_dir='C:\Program Files\LumoMouse' start_menu
  start_menu=$(pkg_unix_path "ProgramData/Microsoft/Windows/Start Menu/Programs")
  pkg_install /AUTOSTART
  pkg_check_installed "$win_dir" "$start_menu" HKLM
  E2E_EXE=$(pkg_unix_path "$win_dir\LumoMouse.exe")
  # A 64-bit Wine is a 64-bit Windows: the x64 exe goes in.
  e2e_assert_eq 8664 "$(pkg_pe_machine "$E2E_EXE")" "machine of the installed exe"
  local run
  run=$(pkg_reg_values "HKCU\\$PKG_RUN_KEY")
  grep -qxF "LumoMouse=\"\\\"$(pkg_reg_text "$win_dir\\LumoMouse.exe")\\\" /tray\"" <<<"$run" ||
    e2e_fail "no Run entry starting the installed exe in the tray: $run"

  e2e_start_and_wait_settings
  e2e_wait_tray_icon
  # Settings the program kept, which the uninstall removes with the rest.
  wine reg add 'HKCU\Software\LumoMouse' /v StepPixels /t REG_DWORD /d 7 /f >/dev/null 2>&1 ||
    e2e_fail "could not keep a setting"
  # Uninstalling ends the running copy first.
  pkg_uninstall "$win_dir"
  e2e_wait_program_exit
  e2e_wait_no_tray_icon
  pkg_check_removed "$start_menu"
}

# A 32-bit Windows: a fresh win32 prefix (about 10 s) in place of the test's
# 64-bit copy. The Win32 test helpers are 64-bit and cannot run there; the
# tray icon is seen from the X side.
pkg_use_win32_prefix() {
  wineserver -k >/dev/null 2>&1
  wineserver -w
  rm -rf "$WINEPREFIX"
  export WINEARCH=win32
  wineboot -i >"$E2E_TEST_DIR/logs/wineboot-win32.log" 2>&1 || e2e_fail "could not make a win32 prefix"
  wineserver -p
}

test_package_installs_x86_exe_on_32bit_windows() {
  pkg_need_32bit_wine
  pkg_use_win32_prefix
  local win_dir='C:\Program Files\LumoMouse' start_menu
  start_menu=$(pkg_unix_path "ProgramData/Microsoft/Windows/Start Menu/Programs")
  pkg_install
  pkg_check_installed "$win_dir" "$start_menu" HKLM
  E2E_EXE=$(pkg_unix_path "$win_dir\LumoMouse.exe")
  e2e_assert_eq 014c "$(pkg_pe_machine "$E2E_EXE")" "machine of the installed exe"
  e2e_start_program
  e2e_wait_tray_icon "$E2E_START_TIMEOUT"
  pkg_uninstall "$win_dir"
  e2e_wait_program_exit
  pkg_check_removed "$start_menu"
}

test_package_per_user_upgrade_ends_running_copy() {
  pkg_need_32bit_wine
  local user win_dir start_menu
  user=$(id -un)
  win_dir="C:\\users\\$user\\AppData\\Local\\Programs\\LumoMouse"
  start_menu=$(pkg_unix_path "users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
  pkg_install /CurrentUser
  pkg_check_installed "$win_dir" "$start_menu" HKCU
  e2e_assert_eq "" "$(pkg_reg_values "HKLM\\$PKG_UNINSTALL_KEY")" "per-machine entry of a per-user install"

  E2E_EXE=$(pkg_unix_path "$win_dir\\LumoMouse.exe")
  e2e_start_and_wait_settings
  e2e_wait_tray_icon
  pkg_install /CurrentUser
  e2e_wait_program_exit
  pkg_check_installed "$win_dir" "$start_menu" HKCU
  pkg_uninstall "$win_dir"
  pkg_check_removed "$start_menu"
}

test_package_x86_zip_runs_under_32bit_wine() {
  pkg_need_32bit_wine
  local zip=$PKG_DIST/LumoMouse-$PKG_VERSION-x86.zip dir=$E2E_TEST_DIR/x86
  [[ -f $zip ]] || e2e_fail "no $zip: run scripts/package.sh"
  python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$dir"
  e2e_assert_eq "LumoMouse.exe 说明.txt" "$(cd "$dir" && echo *)" "files of the x86 zip"
  e2e_assert_eq 014c "$(pkg_pe_machine "$dir/LumoMouse.exe")" "machine of the x86 exe"
  E2E_EXE=$dir/LumoMouse.exe
  e2e_start_and_wait_settings
  e2e_wait_rect "$TITLE_SETTINGS" '*' '*' 369 401
  # The wine loader became the program: a 32-bit process with Wine's i386
  # modules.
  grep -q '/i386-windows/user32.dll' "/proc/$E2E_APP_PID/maps" || e2e_fail "the x86 exe runs without 32-bit Wine"
  e2e_wait_tray_icon
}
