#!/usr/bin/env bash
# Runs the browser tests: pages made by build*/bin/atw (or $ATW) from every
# built-in template, served on 127.0.0.1, driven in Debian's Chromium.
set -euo pipefail
cd "$(dirname "$0")"

if [ ! -x "${CHROMIUM:-/usr/bin/chromium}" ]; then
    if [ "$(id -u)" = 0 ]; then
        apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq chromium >/dev/null
    else
        echo "run.sh: Chromium is missing (apt-get install chromium)" >&2
        exit 1
    fi
fi

# node_modules is laid again only when the lock file has changed since it was
# laid (npm ci fetches from the registry, and stalls for minutes offline).
stamp=node_modules/.atw-lock.sha256
if [ -f package-lock.json ] && [ -f "$stamp" ] && sha256sum --status -c "$stamp" 2>/dev/null; then
    echo "run.sh: node_modules matches package-lock.json; npm ci skipped"
elif [ -f package-lock.json ]; then
    npm ci --no-audit --no-fund --loglevel=error
    sha256sum package-lock.json >"$stamp"
else
    npm install --no-audit --no-fund --loglevel=error
fi

# One browser at a time where node can be told so; older node (Debian 12's own)
# has no such option.
if node --help 2>/dev/null | grep -q -- --test-concurrency; then
    exec node --test --test-concurrency=1 .
fi
exec node --test .
