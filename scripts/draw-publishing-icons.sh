#!/bin/bash
# Renders the Publishing page's button icons (scripts/draw-publishing-icons.cpp)
# into resources/halvane/icons/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++17 -fPIC -o "$tmp/draw-publishing-icons" "$top/scripts/draw-publishing-icons.cpp" $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$tmp/draw-publishing-icons" "$top/resources/halvane/icons"
