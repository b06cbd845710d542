#!/bin/bash
# Renders the Imaging page's icons (scripts/draw-imaging-icons.cpp) into
# resources/halvane/icons/. The PNGs are committed; run this after changing it.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++17 -fPIC -o "$tmp/draw-imaging-icons" "$top/scripts/draw-imaging-icons.cpp" $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$tmp/draw-imaging-icons" "$top/resources/halvane/icons"
