#!/usr/bin/env bash
# Builds LumoMouse.exe for x86 and x64 and makes what a Windows user
# downloads, under build/dist/ (made afresh on every run):
#
#   LumoMouse-<version>-x86.zip   the x86 exe (32- and 64-bit Windows) and 说明.txt
#   LumoMouse-<version>-x64.zip   the x64 exe (64-bit Windows) and 说明.txt
#   LumoMouse-<version>-setup.exe the installer (packaging/installer.nsi), both exes
#   SHA256SUMS                    of the three files
#
# The version is the one of project() in CMakeLists.txt. Quiet: prints only
# the files it made; the build output goes to build/logs/package.log and is
# shown when a step fails. Installs the packages first (scripts/install-deps.sh,
# silent when all are there).
#
# Signing hook: nothing is signed. Whoever holds a code-signing certificate
# sets LUMO_SIGN_COMMAND to a command that signs, in place, the file named by
# its last argument, e.g.
#   LUMO_SIGN_COMMAND='/opt/sign/sign-authenticode' bash scripts/package.sh
# It then runs on both exes (before they are packed), on the uninstaller
# (inside makensis) and on the installer.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/install-deps.sh

version=$(sed -n 's/^project(LumoMouse VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "package: no x.y.z version in CMakeLists.txt" >&2; exit 1; }

dist=$PWD/build/dist
stage=$PWD/build/package
log=$PWD/build/logs/package.log
mkdir -p "$(dirname "$log")"
: >"$log"

# Runs a step with its output in the log; on failure shows the log and stops.
quietly() {
  if ! "$@" >>"$log" 2>&1; then
    cat "$log" >&2
    echo "package: failed: $*" >&2
    exit 1
  fi
}

sign() {
  [[ -n ${LUMO_SIGN_COMMAND:-} ]] || return 0
  # Word splitting is wanted: the command may carry its own options.
  # shellcheck disable=SC2086
  quietly $LUMO_SIGN_COMMAND "$1"
}

# Python's zipfile rather than Info-ZIP's zip: Debian's zip 3.0 leaves the
# UTF-8 flag off the names, and Windows' own zip support then shows 说明.txt
# as mojibake. zipfile sets the flag for every non-ASCII name.
make_zip() {
  python3 - "$@" <<'PYTHON'
import sys, zipfile
archive, *names = sys.argv[1:]
with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for name in names:
        z.write(name)
PYTHON
}

rm -rf "$dist" "$stage"
mkdir -p "$dist"

# Windows Notepad reads UTF-8 for sure only with a byte-order mark, and wants
# CRLF line ends.
guide=$stage/说明.txt
mkdir -p "$stage"
{ printf '\xef\xbb\xbf'; sed -e "s/@VERSION@/$version/" -e 's/$/\r/' packaging/说明.txt; } >"$guide"

# Build directory and toolchain file of each architecture.
declare -A build_dir=([x86]=build/win32 [x64]=build/win64)
declare -A toolchain=([x86]=cmake/mingw-w64-i686.cmake [x64]=cmake/mingw-w64.cmake)
for arch in x86 x64; do
  quietly cmake -S . -B "${build_dir[$arch]}" -DCMAKE_TOOLCHAIN_FILE="${toolchain[$arch]}"
  quietly cmake --build "${build_dir[$arch]}" -j2 --target LumoMouse
  mkdir -p "$stage/$arch"
  cp "${build_dir[$arch]}/LumoMouse.exe" "$guide" "$stage/$arch/"
  sign "$stage/$arch/LumoMouse.exe"
  (cd "$stage/$arch" && quietly make_zip "$dist/LumoMouse-$version-$arch.zip" LumoMouse.exe 说明.txt)
done

setup=$dist/LumoMouse-$version-setup.exe
makensis_defines=(
  -DVERSION="$version"
  -DEXE_X86="$stage/x86/LumoMouse.exe"
  -DEXE_X64="$stage/x64/LumoMouse.exe"
  -DGUIDE="$guide"
  -DICON="$PWD/assets/app.ico"
  -DOUTFILE="$setup"
)
[[ -n ${LUMO_SIGN_COMMAND:-} ]] && makensis_defines+=(-DSIGN_COMMAND="$LUMO_SIGN_COMMAND")
# -WX: a warning (an unused define, a missing string) fails the package.
quietly makensis -V2 -WX -INPUTCHARSET UTF8 "${makensis_defines[@]}" packaging/installer.nsi
sign "$setup"

(cd "$dist" && sha256sum "LumoMouse-$version-x86.zip" "LumoMouse-$version-x64.zip" \
  "LumoMouse-$version-setup.exe" >SHA256SUMS)
for file in "$dist"/*; do
  echo "${file#"$PWD"/}"
done
