#!/usr/bin/env bash
# Installs what is missing, builds what the tests use and runs every test:
# the native unit tests under address and undefined-behaviour sanitizers,
# every fuzz target over its committed corpus and a few seconds beyond, and
# the Windows tests under Wine (the unit tests among them, against
# kernel32's INI functions). Ends with one "N passed, N failed" line over
# all test cases.
#
# While the trees build, two streams share the two cores: the 64-bit Windows
# tree on one; the sanitizer tree and its tests, the fuzz targets and the
# release (the 32-bit program we ship, packed and checked by package.sh) on
# the other. The Wine tests then run alone, since
# some of them time the program. Each phase prints how long it took.
set -uo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
logs=build/test-logs
rm -rf "$logs" build/{asan,win64}/Testing/Temporary/LastTest.log
mkdir -p "$logs"
export FUZZ_SECONDS=${FUZZ_SECONDS:-5}

# Runs a phase with its output in its own log; its time and status after.
phase() {
    local name=$1 start=$SECONDS
    shift
    "$@" >"$logs/$name.log" 2>&1
    local status=$?
    echo "$status $((SECONDS - start))" >"$logs/$name.status"
    return $status
}
# Prints a phase's log and its time; 1 when it failed.
report() {
    local name=$1 status seconds
    read -r status seconds <"$logs/$name.status"
    echo "== $name ($seconds s)"
    cat "$logs/$name.log"
    return $((status != 0))
}
windows() { ./scripts/build.sh win64; }
native() {
    local status=0
    ./scripts/build.sh asan || return 1
    ctest --test-dir build/asan --output-on-failure || status=1
    ./scripts/fuzz.sh || status=1
    ./scripts/package.sh || status=1
    return $status
}

status=0
start=$SECONDS
phase "build win64" windows &
phase "asan unit tests, fuzz targets, the 32-bit release" native
wait $! 2>/dev/null
report "asan unit tests, fuzz targets, the 32-bit release" || status=1
report "build win64" || { echo "0 passed, 1 failed"; exit 1; }
echo "== building and the native tests took $((SECONDS - start)) s"

start=$SECONDS
echo "== ctest in build/win64 (Wine)"
ctest --test-dir build/win64 --output-on-failure -j2 || status=1
echo "== the Wine tests took $((SECONDS - start)) s"

# Sum the test cases GoogleTest reported in every run.
passed=0 failed=0
for log in build/{asan,win64}/Testing/Temporary/LastTest.log; do
    [ -f "$log" ] || continue
    p=$(grep -oE '^\[  PASSED  \] [0-9]+ test' "$log" | awk '{s+=$4} END {print s+0}')
    f=$(grep -oE '^\[  FAILED  \] [0-9]+ test' "$log" | awk '{s+=$4} END {print s+0}')
    passed=$((passed + p)) failed=$((failed + f))
done
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then failed=1; fi
echo "$passed passed, $failed failed"
exit $status
