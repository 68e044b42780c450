#!/usr/bin/env bash
# Builds and runs the benchmarks and prints their figures; they are
# measurements, not tests. Under Wine: the 64-bit build, Japanese code page.
#   start-up: time to the launcher's window and peak working set, against a
#             minimal dialog program, alternating runs
#   launch: from Start to the first page, and each interval's error
#   endurance: 1,000 launches and 200 settings sheets in one running program;
#             its handles, GDI objects (by kind) and USER objects and private
#             bytes before and after, and as floors Wine's cache of DCs and
#             the same DDE conversations, shown in the bench's own process,
#             and the tooltips Wine's taskbar kept of the removed icons
#   bookmark reader: a generated 20,000-bookmark file under Wine (the
#             Windows file functions) and natively, each against one
#             buffered read of the same file
#   bookmark picker: 20,000 bookmarks in 300 folders from a Chromium
#             profile and from a UTF-8 export, shown in the picker under
#             Wine within 300 ms, each against one buffered read
# Every benchmark runs even when one fails (a figure beyond its bound, or no
# figures at all); the last line names those that did, and the exit status
# is then 1.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh win64 benchmarks >/dev/null
./scripts/build.sh native benchmarks >/dev/null
root=$PWD/build/win64/wine
tests/wine/make-prefix.sh "$root/template" >/dev/null
# From here on a failure is counted, not the end.
set +e
ran=0 failed=()
bench() {
    local title=$1; shift
    echo "== $title"
    ran=$((ran + 1))
    "$@" || failed+=("$title")
}
bench "start-up under Wine" tests/wine/run-in-wine.sh "$root" bench_startup "$PWD/build/win64/startup_bench.exe" 15
bench "launch timing under Wine (five pages, Delay 2)" \
    tests/wine/run-in-wine.sh "$root" bench_launch "$PWD/build/win64/launch_bench.exe" 3
bench "endurance under Wine (1,000 launches, 200 settings sheets)" \
    tests/wine/run-in-wine.sh "$root" bench_endurance "$PWD/build/win64/endurance_bench.exe" 1000 200
bench "bookmark reader under Wine (build/win64)" \
    tests/wine/run-in-wine.sh "$root" bench_bookmarks "$PWD/build/win64/bench/bookmark_bench.exe" --bytewise
bench "bookmark picker under Wine (Chromium profile, UTF-8 export)" \
    tests/wine/run-in-wine.sh "$root" bench_picker "$PWD/build/win64/picker_bench.exe"
bench "bookmark reader native (build/native)" build/native/bench/bookmark_bench --bytewise
if [ ${#failed[@]} -gt 0 ]; then
    echo "== ${#failed[@]} of $ran benchmarks failed:"
    printf '   %s\n' "${failed[@]}"
    exit 1
fi
echo "== all $ran benchmarks ran within their bounds"
