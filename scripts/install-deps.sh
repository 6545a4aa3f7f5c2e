#!/usr/bin/env bash
# Installs everything the build, the unit tests and the Wine end-to-end tests
# need on Debian 12. Safe to run again: when every package is present it
# prints nothing and touches nothing.
set -euo pipefail

packages=(
  cmake g++ make clang libclang-rt-14-dev valgrind
  googletest libgtest-dev libbenchmark-dev
  mingw-w64 wine wine64
  xvfb x11-utils xdotool openbox trayer x11-xserver-utils numlockx libxtst-dev libx11-dev
  imagemagick fonts-wqy-microhei
)

# One dpkg-query for all of them; a package dpkg has never heard of is missing.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for pkg in "${packages[@]}"; do
  if ! grep -qx "$pkg install ok installed" <<<"$installed"; then
    missing+=("$pkg")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages: ${missing[*]}" >&2
  echo "install-deps: run this script as root (or install them with apt-get)" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]} (this can take a few minutes)"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
echo "install-deps: done"
