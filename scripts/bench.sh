#!/usr/bin/env bash
# Builds and runs the benchmarks: the bookmark reader on a generated
# 20,000-bookmark file, under Wine (the Windows file functions) and
# natively, each against one buffered read of the same file. Prints the
# figures; not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh >/dev/null
export WINEPREFIX=$PWD/build/bench-prefix WINEDEBUG=-all LANG=ja_JP.UTF-8
tests/wine/make-prefix.sh "$WINEPREFIX" >/dev/null
echo "== under Wine (build/win64)"
wine build/win64/bench/bookmark_bench.exe --bytewise
wineserver -k 2>/dev/null || true
echo "== native (build/native)"
build/native/bench/bookmark_bench --bytewise
