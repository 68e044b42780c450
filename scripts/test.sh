#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# native unit tests (also under sanitizers), the fuzz targets for a bounded
# time, and the Windows tests under Wine. Ends with one "N passed, N failed"
# line over all test cases.
set -uo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh || { echo "0 passed, 1 failed"; exit 1; }

status=0
run_ctest() {
    local dir=$1; shift
    echo "== ctest in $dir"
    ctest --test-dir "$dir" --output-on-failure "$@" || status=1
}
run_ctest build/native
run_ctest build/asan
run_ctest build/win64 -j2
echo "== fuzz targets"
./scripts/fuzz.sh || status=1

# Sum the test cases GoogleTest reported in every run.
passed=0 failed=0
for log in build/{native,asan,win64}/Testing/Temporary/LastTest.log; do
    [ -f "$log" ] || continue
    p=$(grep -oE '^\[  PASSED  \] [0-9]+ test' "$log" | awk '{s+=$4} END {print s+0}')
    f=$(grep -oE '^\[  FAILED  \] [0-9]+ test' "$log" | awk '{s+=$4} END {print s+0}')
    passed=$((passed + p)) failed=$((failed + f))
done
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then failed=1; fi
echo "$passed passed, $failed failed"
exit $status
