#!/usr/bin/env bash
# Runs every fuzzer built in the given build folder for a fixed number of
# inputs (or at most ATW_FUZZ_SECONDS, default 120), starting from its seed
# corpus. Any crash, leak or hang fails.
set -euo pipefail
build=${1:-build-fuzz}
runs=${ATW_FUZZ_RUNS:-20000}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=fuzz/options.sh
. "$here/options.sh"
status=0
for exe in "$build"/bin/fuzz_*; do
    [ -x "$exe" ] || continue
    name=$(basename "$exe"); name=${name#fuzz_}
    seeds="$here/corpus/$name"
    work=$(mktemp -d)
    [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
    echo "fuzz_$name: $runs inputs"
    if ! "$exe" -runs="$runs" -max_total_time="${ATW_FUZZ_SECONDS:-120}" -timeout=10 -rss_limit_mb=2048 $(fuzz_options "$name") "$work" > "$work.log" 2>&1; then
        tail -n 40 "$work.log"
        status=1
    fi
    rm -rf "$work" "$work.log"
done
exit $status
