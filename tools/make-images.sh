#!/bin/sh
# Draws resources/lumora.png, resources/images/close.bmp and
# resources/images/minimize.bmp with the small Qt program in
# tools/draw-images (built in a temporary folder, run offscreen).
# Needs cmake, ninja, qt6-base-dev and fonts-liberation.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
font=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
[ -f "$font" ] || { echo "make-images: $font missing (package fonts-liberation)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$here/draw-images" -B "$work" -G Ninja >/dev/null
cmake --build "$work" >/dev/null
mkdir -p "$root/resources/images"
QT_QPA_PLATFORM=offscreen "$work/draw-images" "$root/resources" "$font"
ls -l "$root/resources/lumora.png" "$root/resources/images/close.bmp" "$root/resources/images/minimize.bmp"
