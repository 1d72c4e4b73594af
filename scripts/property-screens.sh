#!/usr/bin/env bash
# Takes pictures of every property sheet, tab and dialog for a look by eye,
# on the offscreen platform, into a folder (default: property-screens).
#   scripts/property-screens.sh [FOLDER]
# BUILD_DIR selects the build folder (default build).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
folder=${1:-property-screens}
[ -f "$build/build.ninja" ] || [ -f "$build/Makefile" ] || cmake -S . -B "$build" -G Ninja
cmake --build "$build" -j2 --target property_screens
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bin/property_screens" "$folder"
echo "Wrote $folder/*.png"
