#!/bin/bash
# Renders the panel's icons (scripts/draw-icons.cpp) into resources/halvane/icons/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++17 -fPIC -o "$tmp/draw-icons" "$top/scripts/draw-icons.cpp" $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$tmp/draw-icons" "$top/resources/halvane/icons"
