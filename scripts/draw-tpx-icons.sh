#!/bin/bash
# Renders the print-accounting page's button icons (scripts/draw-tpx-icons.cpp)
# into resources/halvane/icons/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++17 -fPIC -o "$tmp/draw-tpx-icons" "$top/scripts/draw-tpx-icons.cpp" $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$tmp/draw-tpx-icons" "$top/resources/halvane/icons"
