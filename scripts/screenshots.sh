#!/bin/sh
# Renders the README pictures into docs/screenshots/: the designer's window with each property panel
# shown, and the two dialogs, in Chinese and in English. The real widgets are drawn on Qt's offscreen
# platform, so no display is needed. Usage: scripts/screenshots.sh [build folder]
set -eu

build="${1:-build}"
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/docs/screenshots"

[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)" --target spr-screenshots
tool="$build/tests/mediapanels/spr-screenshots"

mkdir -p "$out"
rm -f "$out"/*.png
QT_QPA_PLATFORM=offscreen "$tool" "$out" cn
QT_QPA_PLATFORM=offscreen "$tool" "$out" en :/translate/en.qm
