#!/bin/sh
# Rebuilds the bundled pictures (app.ico, app-on.ico, hand.cur and the .bmp files of every
# rendering) from generate_assets.cpp with the native compiler. The results are
# committed; run this only after changing the drawings.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"${CXX:-c++}" -std=c++20 -O2 -Wall -Wextra -I "$here/.." -o "$work/generate_assets" "$here/generate_assets.cpp"
"$work/generate_assets" "$here"
