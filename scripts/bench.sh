#!/usr/bin/env bash
# Builds and runs the benchmarks and prints their figures; they are
# measurements, not tests. Under Wine: the 64-bit build, Japanese code page.
#   start-up: time to the launcher's window and peak working set, against a
#             minimal dialog program, alternating runs
#   launch: from Start to the first page, and each interval's error
#   endurance: 1,000 launches and 200 settings sheets in one running program;
#             its handles, GDI and USER objects and private bytes before and after,
#             and as a floor the same DDE conversations made by the bench itself
#   bookmark reader: a generated 20,000-bookmark file under Wine (the
#             Windows file functions) and natively, each against one
#             buffered read of the same file
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh >/dev/null
root=$PWD/build/win64/wine
tests/wine/make-prefix.sh "$root/template" >/dev/null
echo "== start-up under Wine"
tests/wine/run-in-wine.sh "$root" bench_startup "$PWD/build/win64/startup_bench.exe" 15
echo "== launch timing under Wine (five pages, Delay 2)"
tests/wine/run-in-wine.sh "$root" bench_launch "$PWD/build/win64/launch_bench.exe" 3
echo "== endurance under Wine (1,000 launches, 200 settings sheets)"
tests/wine/run-in-wine.sh "$root" bench_endurance "$PWD/build/win64/endurance_bench.exe" 1000 200
echo "== bookmark reader under Wine (build/win64)"
tests/wine/run-in-wine.sh "$root" bench_bookmarks "$PWD/build/win64/bench/bookmark_bench.exe" --bytewise
echo "== bookmark reader native (build/native)"
build/native/bench/bookmark_bench --bytewise
