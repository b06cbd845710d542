#!/bin/bash
# Renders the Basic, Layout and Finishing pages' button icons
# (scripts/draw-basic-icons.cpp) into resources/halvane/icons/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++17 -fPIC -o "$tmp/draw-basic-icons" "$top/scripts/draw-basic-icons.cpp" $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$tmp/draw-basic-icons" "$top/resources/halvane/icons"
