#!/usr/bin/env bash
# Runs one Windows test program under Wine in a prefix of its own, copied
# from the template, on a virtual X display when there is none. Every Wine
# process of that prefix is ended afterwards.
set -uo pipefail
root=$1 name=$2 exe=$3
shift 3
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$root" "$name" "$exe" "$@"
fi
prefix=$root/$name
# Hard links keep the copy cheap; the registry files, which Wine rewrites,
# get copies of their own.
fresh_prefix() {
    rm -rf "$prefix"
    cp -al "$root/template" "$prefix"
    for reg in "$prefix"/*.reg; do cp --remove-destination "$root/template/$(basename "$reg")" "$reg"; done
}
# Wine starts winemenubuilder for every shortcut saved; it reads the new
# file while a test may already be deleting it, and rewrites the user's
# shell folders that a test points elsewhere, so it never runs here.
# WINE_EXTRA_OVERRIDES adds a test's own DLL overrides, e.g. "rasapi32=n".
overrides=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe=d"}${WINE_EXTRA_OVERRIDES:+;$WINE_EXTRA_OVERRIDES}
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=$overrides
export LANG=${TEST_LANG:-ja_JP.UTF-8}
cleanup() { wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; }
cd "$(dirname "$exe")"
log=$(mktemp)
trap 'cleanup; rm -f "$log"' EXIT
for attempt in 1 2; do
    fresh_prefix
    wine "$exe" "$@" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    # Every test program prints as it starts. A failure with no output at
    # all is Wine not starting the program (seen once on a loaded machine),
    # not a test's verdict: it gets one more run in a fresh prefix.
    if [ "$status" -eq 0 ] || [ -s "$log" ] || [ "$attempt" -eq 2 ]; then
        break
    fi
    echo "run-in-wine: $name ended with $status before printing anything; running it again" >&2
    cleanup
done
exit "$status"
