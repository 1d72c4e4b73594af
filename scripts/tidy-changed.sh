#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvex
# SPDX-License-Identifier: MIT
# Runs clang-tidy (the checks in .clang-tidy, every finding an error) on the
# C++ sources changed lately: those changed in the commits of the 12 hours
# before the newest commit (or since BASE), newest first, at most
# ATW_TIDY_MAX files (default 40) so that a large change still fits CI.
#   scripts/tidy-changed.sh BUILD_DIR [BASE]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/compile_commands.json" ] || { echo "tidy-changed: no $build/compile_commands.json" >&2; exit 1; }
command -v clang-tidy >/dev/null || { echo "tidy-changed: clang-tidy is missing (apt-get install clang-tidy)" >&2; exit 1; }

base=${2:-}
if [ -z "$base" ]; then
    newest=$(git log -1 --format=%ct HEAD)
    base=$(git rev-list -1 --before="$((newest - 12 * 3600))" HEAD || true)
fi
range=${base:+$base..}HEAD
# Each changed source once, newest change first; only files still there and
# known to the build.
mapfile -t files < <(git log --format= --name-only --diff-filter=AMR "$range" -- '*.cpp' |
    awk 'NF && !seen[$0]++' | while read -r f; do
        [ -f "$f" ] && grep -q "\"file\": \"[^\"]*/$f\"" "$build/compile_commands.json" && echo "$f"
    done | head -n "${ATW_TIDY_MAX:-40}")
if [ ${#files[@]} -eq 0 ]; then
    echo "tidy-changed: no changed sources"
    exit 0
fi
echo "tidy-changed: ${#files[@]} sources"
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 4 \
    clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null
echo "tidy-changed: no findings"
