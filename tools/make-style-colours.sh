#!/bin/sh
# Writes tests/controls/style-colours.txt: what every styled class takes
# from every visual style, as the controls give it now. Run it only after a
# change that is meant to change a style's colours, and read the diff.
#
#     tools/make-style-colours.sh [build-dir]      (default: build)
set -eu
cd "$(dirname "$0")/.."
BUILD=${1:-build}
[ -f "$BUILD/build.ninja" ] || cmake -S . -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" --target controls_tests
LUMORA_RECORD_STYLE_COLOURS=1 LUMORA_SOURCE_DIR=$(pwd) QT_QPA_PLATFORM=offscreen \
  "$BUILD/tests/controls_tests" --gtest_filter='StyleTables.*'
git diff --stat -- tests/controls/style-colours.txt
