#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Quorvex
#
# Builds the .debs twice from the committed source, in two folders of
# different names and depths whose files carry different times, and compares
# the packages byte for byte. Too slow for CI (two full builds); run it before
# a release. With diffoscope installed it shows what differs.
# usage: scripts/check-reproducible.sh [WORK_DIR]   (default: a new temporary folder)
# A compiler cache (CMAKE_CXX_COMPILER_LAUNCHER=ccache in the environment) may
# hand the second build the first one's objects: leave it unset for the
# strict check.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$(mktemp -d)}
mkdir -p "$work"
work=$(realpath "$work")
a="$work/a"
b="$work/second/build-from-elsewhere"
rm -rf "$a" "$b"
mkdir -p "$a" "$b"

# The committed tree, twice: the first with the commit's times, the second
# with today's.
git -C "$src" archive --format=tar HEAD | tar -x -C "$a"
git -C "$src" archive --format=tar HEAD | tar -x -m -C "$b"

echo "== first build: $a"
"$a/scripts/build-deb.sh" "$a/build" >"$work/a.log" 2>&1 || { tail -40 "$work/a.log"; exit 1; }
echo "== second build: $b"
"$b/scripts/build-deb.sh" "$b/out/deb" >"$work/b.log" 2>&1 || { tail -40 "$work/b.log"; exit 1; }

status=0
for first in "$a"/build/package/*.deb; do
    name=$(basename "$first")
    second="$b/out/deb/package/$name"
    if [ ! -f "$second" ]; then
        echo "DIFFERS: $name was not built the second time"
        status=1
    elif cmp -s "$first" "$second"; then
        echo "same: $name ($(sha256sum "$first" | cut -c1-16))"
    else
        echo "DIFFERS: $name"
        if command -v diffoscope >/dev/null; then diffoscope "$first" "$second" | head -80 || true; fi
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "reproducible: every .deb is the same byte for byte" && rm -rf "$a" "$work/second"
exit "$status"
