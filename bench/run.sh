#!/usr/bin/env bash
# Builds and runs every benchmark in one go and prints the table of figures,
# references and ratios (docs/PERFORMANCE.md shows one such run). Each
# benchmark runs five times; the table takes the medians. Then each `atw`
# command runs as a whole process against its floor (bench/endtoend.py), and
# the editor's start on an X display (Xvfb when there is no DISPLAY, bare and
# with openbox) against a bare Qt window (bench/start.py).
# The build's output goes to a log, not into the table.
#   bench/run.sh [build folder]     default: build
#   ATW_BENCH_CORE_ONLY=1 bench/run.sh   the core benchmarks only (no Qt)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
targets=(atw_bench atw)
[ -z "${ATW_BENCH_CORE_ONLY:-}" ] && targets+=(atw_qt_bench)
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DATW_BUILD_BENCH=ON &&
       cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"; } >"$out/build.log" 2>&1; then
    cat "$out/build.log" >&2
    exit 1
fi
repeat=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_min_time=0.2)
ATW_BENCH_KEEP="$out/projects" "$build/bin/atw_bench" "${repeat[@]}" --benchmark_out="$out/core.json" \
    --benchmark_out_format=json >/dev/null
reports=("$out/core.json")
if [ -z "${ATW_BENCH_CORE_ONLY:-}" ]; then
    QT_QPA_PLATFORM=offscreen "$build/bin/atw_qt_bench" "${repeat[@]}" \
        --benchmark_out="$out/qt.json" --benchmark_out_format=json >/dev/null
    reports+=("$out/qt.json")
fi
python3 bench/report.py "${reports[@]}"
echo
# Every atw command as a whole process against its floor, at 100,000 and
# 1,000,000 items (the projects atw_bench generated, BM_MakeProject).
python3 bench/endtoend.py "$build/bin/atw" "$out/projects"
if [ -z "${ATW_BENCH_CORE_ONLY:-}" ]; then
    # The generated projects have four top-level menus: the bare window shows as many rows.
    for wm in "" --wm; do
        [ -n "$wm" ] && ! command -v openbox >/dev/null && continue
        echo
        python3 bench/start.py "$build/bin" "$out/projects/floor100000.htm" 4 $wm
    done
fi
