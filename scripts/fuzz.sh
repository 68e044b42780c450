#!/usr/bin/env bash
# Runs every fuzz target for a bounded time (FUZZ_SECONDS each, 30 by
# default) from its corpus in fuzz/corpus; a crash fails the run. Prints how
# many inputs each target ran. 30 s a target keeps the whole test run short (a
# few minutes for every target together) while the readers of outside
# files get a real search. The repository's corpus is only read: libFuzzer
# writes what it finds into the first folder it is given, a temporary one.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
status=0
for exe in build/fuzz/fuzz/fuzz_*; do
    name=${exe##*/fuzz_}
    mkdir "$found/$name"
    log=build/fuzz/$name.log
    if "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/ "$found/$name" fuzz/corpus/"$name" >"$log" 2>&1; then
        runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
        echo "fuzz $name: ${runs:-?} inputs in ${seconds}s, no crash"
    else
        echo "fuzz $name: FAILED (see $log)"; tail -30 "$log"
        status=1
    fi
done
exit $status
