#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Quorvex
#
# Builds the .debs as a Debian package build would: Debian's compiler and
# linker flags (dpkg-buildflags, every hardening feature), no tests or
# benchmarks, and everything that would differ between two builds of the same
# source pinned: the time (SOURCE_DATE_EPOCH from debian/changelog, which CPack
# and Qt's resource compiler read), the locale, the time zone and the umask.
# The build folder's path never reaches the binaries (-ffile-prefix-map).
# usage: scripts/build-deb.sh [BUILD_DIR]   (default build-deb; the .debs go to
#        BUILD_DIR/package). Extra CMake arguments: ATW_CMAKE_ARGS.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$src/build-deb}")

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$src/debian/changelog" -STimestamp)}
export LC_ALL=C.UTF-8 TZ=UTC
umask 022

# shellcheck disable=SC2086 # ATW_CMAKE_ARGS is a list of arguments
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DATW_DPKG_BUILDFLAGS=ON \
      -DATW_BUILD_TESTS=OFF -DATW_BUILD_BENCH=OFF -DATW_BUILD_FUZZ=OFF ${ATW_CMAKE_ARGS:-}
cmake --build "$build" -j "$(nproc)"
rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package"
rm -rf "$build/package/_CPack_Packages"
ls "$build"/package/*.deb
