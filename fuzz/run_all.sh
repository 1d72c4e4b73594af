#!/usr/bin/env bash
# Runs every fuzzer built in the given build folder for a fixed number of
# inputs, starting from its seed corpus. Any crash, leak or hang fails.
set -euo pipefail
build=${1:-build-fuzz}
runs=${ATW_FUZZ_RUNS:-20000}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for exe in "$build"/bin/fuzz_*; do
    [ -x "$exe" ] || continue
    name=$(basename "$exe"); name=${name#fuzz_}
    seeds="$here/corpus/$name"
    work=$(mktemp -d)
    [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
    echo "fuzz_$name: $runs inputs"
    if ! "$exe" -runs="$runs" -timeout=10 -rss_limit_mb=2048 -max_len=65536 "$work" > "$work.log" 2>&1; then
        tail -n 40 "$work.log"
        status=1
    fi
    rm -rf "$work" "$work.log"
done
exit $status
