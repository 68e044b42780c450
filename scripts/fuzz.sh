#!/usr/bin/env bash
# Builds the fuzz targets and runs each one over its committed corpus in
# fuzz/corpus (every input, as a regression test), then fuzzes it for
# FUZZ_SECONDS more (120 by default: a real search, for a run of its own;
# the test command asks for a few seconds). A crash or a broken check fails
# the run. Runs as many targets at once as there are cores and prints, for
# each, how many corpus inputs it replayed and how many inputs it ran in all.
# The repository's corpus is only read: libFuzzer writes what it finds into
# the first folder it is given, a temporary one.
set -uo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh fuzz >/dev/null || { echo "fuzz: the fuzz targets did not build"; exit 1; }
seconds=${FUZZ_SECONDS:-120}
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT

# Runs one target; its verdict goes to its log's last line.
run() {
    local exe=$1 name=${1##*/fuzz_}
    local log=build/fuzz/$name.log corpus=fuzz/corpus/$name
    mkdir "$found/$name"
    # The corpus is replayed whole before the time starts to count.
    if "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/ "$found/$name" "$corpus" >"$log" 2>&1; then
        local files runs
        files=$(grep -oE 'seed corpus: files: [0-9]+' "$log" | grep -oE '[0-9]+$')
        runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
        echo "fuzz $name: ${files:-?} corpus inputs replayed, ${runs:-?} inputs in all in ${seconds}s, no crash"
    else
        echo "fuzz $name: FAILED (see $log)"
        tail -30 "$log"
        return 1
    fi
}

status=0
running=0
for exe in build/fuzz/fuzz/fuzz_*; do
    if [ "$running" -ge "$(nproc)" ]; then
        wait -n || status=1
        running=$((running - 1))
    fi
    run "$exe" &
    running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
    wait -n || status=1
    running=$((running - 1))
done
exit $status
