#!/bin/bash
# Renders the Job page's section icons (scripts/draw-job-icons.cpp)
# into resources/halvane/icons/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++17 -fPIC -o "$tmp/draw-job-icons" "$top/scripts/draw-job-icons.cpp" $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$tmp/draw-job-icons" "$top/resources/halvane/icons"
