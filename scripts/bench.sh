#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine (64-bit build, Japanese code
# page) and prints their figures. Benchmarks are measurements, not tests.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh >/dev/null
root=$PWD/build/win64/wine
tests/wine/make-prefix.sh "$root/template" >/dev/null
run() { tests/wine/run-in-wine.sh "$root" "bench_$1" "$PWD/build/win64/$1.exe" "${@:2}"; }
run startup_bench 15
