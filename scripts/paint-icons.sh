#!/bin/bash
# Repaints the panel's own pictures into resources/halvane/icons/ from
# scripts/painticons.cpp. The PNGs are committed; run this after changing it.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++17 -fPIC -O1 -o "$tmp/painticons" "$top/scripts/painticons.cpp" $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$tmp/painticons" "$top/resources/halvane/icons"
