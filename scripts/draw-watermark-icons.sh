#!/bin/bash
# Renders the Watermark page's button icons (scripts/draw-watermark-icons.cpp)
# into resources/halvane/icons/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++17 -fPIC -o "$tmp/draw-watermark-icons" "$top/scripts/draw-watermark-icons.cpp" $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$tmp/draw-watermark-icons" "$top/resources/halvane/icons"
