#!/usr/bin/env bash
# A longer fuzzing run than CI's (fuzz/run_all.sh): each fuzzer built in the
# given build folder runs for ATW_FUZZ_MINUTES minutes (default 10) on all
# cores but one, starting from its seed corpus. What it finds new is kept in
# atw-corpus-NAME under ATW_FUZZ_KEEP (default: the current folder) for the
# next run; a crash, leak or hang leaves its input there too and fails the run.
# At the end each fuzzer's inputs per second are printed.
set -euo pipefail
build=${1:-build-fuzz}
minutes=${ATW_FUZZ_MINUTES:-10}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=fuzz/options.sh
. "$here/options.sh"
jobs=$(( $(nproc) > 1 ? $(nproc) - 1 : 1 ))
status=0
for exe in "$build"/bin/fuzz_*; do
    [ -x "$exe" ] || continue
    name=$(basename "$exe"); name=${name#fuzz_}
    keep=${ATW_FUZZ_KEEP:-$PWD}/atw-corpus-$name
    mkdir -p "$keep"
    [ -d "$here/corpus/$name" ] && cp -rn "$here/corpus/$name"/. "$keep"/
    log="$keep.log"
    echo "fuzz_$name: $minutes minutes on $jobs jobs, corpus in $keep"
    if ! "$exe" -max_total_time=$((minutes * 60)) -timeout=10 -rss_limit_mb=2048 $(fuzz_options "$name") \
            -jobs="$jobs" -workers="$jobs" -artifact_prefix="$keep/" -print_final_stats=1 \
            "$keep" > "$log" 2>&1; then
        status=1
    fi
    for worker in fuzz-[0-9]*.log; do
        [ -f "$worker" ] || continue
        grep -h "stat::average_exec_per_sec\|ERROR\|SUMMARY" "$worker" | sort -u || true
        cat "$worker" >> "$log"
        rm -f "$worker"
    done
    [ $status -eq 0 ] || tail -n 40 "$log"
done
exit $status
