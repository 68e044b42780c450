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
rm -rf "$prefix"
# Hard links keep the copy cheap; the registry files, which Wine rewrites,
# get copies of their own.
cp -al "$root/template" "$prefix"
for reg in "$prefix"/*.reg; do cp --remove-destination "$root/template/$(basename "$reg")" "$reg"; done
# WINE_EXTRA_OVERRIDES adds a test's own DLL overrides, e.g. "rasapi32=n".
overrides=${WINEDLLOVERRIDES:-"mscoree,mshtml="}${WINE_EXTRA_OVERRIDES:+;$WINE_EXTRA_OVERRIDES}
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=$overrides
export LANG=${TEST_LANG:-ja_JP.UTF-8}
cleanup() { wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; }
trap cleanup EXIT
cd "$(dirname "$exe")"
wine "$exe" "$@"
