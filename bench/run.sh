#!/usr/bin/env bash
# Builds and runs every benchmark in one go and prints the table of figures,
# references and ratios (docs/PERFORMANCE.md shows one such run).
#   bench/run.sh [build folder]     default: build
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DATW_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target atw_bench atw_qt_bench
out=$(mktemp -d)
"$build/bin/atw_bench" --benchmark_min_time=0.3 --benchmark_format=json --benchmark_out="$out/core.json" \
    --benchmark_out_format=json >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bin/atw_qt_bench" --benchmark_min_time=0.3 \
    --benchmark_out="$out/qt.json" --benchmark_out_format=json >/dev/null
python3 bench/report.py "$out/core.json" "$out/qt.json"
rm -rf "$out"
