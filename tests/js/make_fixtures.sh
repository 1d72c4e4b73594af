#!/usr/bin/env bash
# Regenerates tests/js/fixtures/template-NN.htm: the page text of a new
# project from every built-in template, as build*/bin/atw (or $ATW) writes it
# without the runtime (the applet page alone, as the decoder reads it).
#   make_fixtures.sh          writes the fixtures
#   make_fixtures.sh --check  fails when the fixtures differ from what atw writes
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
atw="${ATW:-$(ls -t "$root"/build*/bin/atw 2>/dev/null | head -n 1)}"
if [ -z "$atw" ] || [ ! -x "$atw" ]; then
    echo "make_fixtures.sh: build the target atw first (or set ATW)" >&2
    exit 1
fi
check=0
[ "${1:-}" = --check ] && check=1

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$work/out"

count="$("$atw" templates | wc -l)"
for ((n = 0; n < count; n++)); do
    name="$(printf 'template-%02d.htm' "$n")"
    "$atw" new --template "$n" "$work/$name" >/dev/null
    "$atw" html --no-runtime "$work/$name" >"$work/out/$name"
done

if [ "$check" = 1 ]; then
    stale=0
    for f in "$work"/out/template-*.htm "$here"/fixtures/template-*.htm; do
        name="$(basename "$f")"
        if ! cmp -s "$work/out/$name" "$here/fixtures/$name"; then
            echo "make_fixtures.sh: fixtures/$name differs from what atw writes (run tests/js/make_fixtures.sh)" >&2
            stale=1
        fi
    done
    exit "$stale"
fi
rm -f "$here"/fixtures/template-*.htm
cp "$work"/out/template-*.htm "$here/fixtures/"
echo "make_fixtures.sh: $count template pages in $here/fixtures"
