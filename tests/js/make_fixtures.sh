#!/usr/bin/env bash
# Regenerates tests/js/fixtures/template-NN.htm: the page text of a new
# project from every built-in template, as build*/bin/atw (or $ATW) writes it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
atw="${ATW:-$(ls -t "$root"/build*/bin/atw 2>/dev/null | head -n 1)}"
if [ -z "$atw" ] || [ ! -x "$atw" ]; then
    echo "make_fixtures.sh: build the target atw first (or set ATW)" >&2
    exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

count="$("$atw" templates | wc -l)"
rm -f "$here"/fixtures/template-*.htm
for ((n = 0; n < count; n++)); do
    name="$(printf 'template-%02d.htm' "$n")"
    "$atw" new --template "$n" "$work/$name" >/dev/null
    "$atw" html "$work/$name" >"$here/fixtures/$name"
done
echo "make_fixtures.sh: $count template pages in $here/fixtures"
