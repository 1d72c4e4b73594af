#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvex
# SPDX-License-Identifier: MIT
# Checks that every C++ file of the tree is formatted as .clang-format says
# (the house style); with --fix, formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run -Werror "${files[@]}"; then
    echo "check-format: the files above are not in the house style; scripts/check-format.sh --fix formats them." >&2
    exit 1
fi
echo "check-format: ${#files[@]} files in the house style"
