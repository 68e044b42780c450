#!/usr/bin/env bash
# Builds the native code and tests (build/native, and build/asan with
# sanitizers), the fuzz targets (build/fuzz, clang), the 64-bit program we run
# under Wine (build/win64) and the 32-bit program we ship (build/win32).
set -euo pipefail
cd "$(dirname "$0")/.."
configure() {
    local dir=$1; shift
    [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}
configure build/native
configure build/asan -DORVANTA_SANITIZE=ON
CC=clang CXX=clang++ configure build/fuzz -DORVANTA_SANITIZE=ON -DORVANTA_FUZZ=ON -DBUILD_TESTING=OFF
configure build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
configure build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
for dir in build/native build/asan build/fuzz build/win64 build/win32; do
    cmake --build "$dir" -- -j"$(nproc)"
done
