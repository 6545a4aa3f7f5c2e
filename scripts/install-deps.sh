#!/usr/bin/env bash
# Installs everything the build, the unit tests and the Wine end-to-end tests
# need on Debian 12. Safe to run again: when every package is present it
# prints nothing and touches nothing.
set -euo pipefail

packages=(
  cmake g++ make clang clang-format-14 libclang-rt-14-dev valgrind
  googletest libgtest-dev libbenchmark-dev
  mingw-w64 wine wine64 wine32:i386
  xvfb x11-utils xdotool openbox trayer x11-xserver-utils numlockx libxtst-dev libx11-dev
  imagemagick fonts-wqy-microhei
  nsis python3
)

# wine32 (the x86 exe and the installer's x86 path under Wine) is an i386
# package: dpkg must know that architecture first.
need_i386=0
dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1

# One dpkg-query for all of them; a package dpkg has never heard of is missing.
# Names are compared with their architecture, as "name:arch" (arch "all" for
# architecture-independent packages).
native=$(dpkg --print-architecture)
installed=$(dpkg-query -W -f='${Package}:${Architecture} ${Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for pkg in "${packages[@]}"; do
  qualified=$pkg
  [[ $pkg == *:* ]] || qualified=$pkg:$native
  if ! grep -qxF -e "$qualified install ok installed" -e "${pkg%%:*}:all install ok installed" <<<"$installed"; then
    missing+=("$pkg")
  fi
done

if ((${#missing[@]} == 0 && need_i386 == 0)); then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  ((need_i386)) && echo "install-deps: the i386 architecture is not added (dpkg --add-architecture i386)" >&2
  ((${#missing[@]})) && echo "install-deps: missing packages: ${missing[*]}" >&2
  echo "install-deps: run this script as root (or install them with apt-get)" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ((need_i386)); then
  echo "install-deps: adding the i386 architecture (for wine32)"
  dpkg --add-architecture i386
fi
((${#missing[@]} == 0)) && exit 0
echo "install-deps: installing ${missing[*]} (this can take a few minutes)"
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
echo "install-deps: done"
