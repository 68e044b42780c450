#!/usr/bin/env bash
# Builds Orvanta's trees with CMake and Ninja; warnings are errors.
#   native       the code without windows and its unit tests (Linux g++)
#   asan         the same with address and undefined-behaviour sanitizers,
#                built with clang, which compiles them three times faster
#   fuzz         the fuzz targets (clang, with sanitizers)
#   win64        the 64-bit program we run and test under Wine, its tests
#                and benchmarks
#   win64-debug  the 64-bit program with symbols (RelWithDebInfo, not
#                stripped), for reading a crash under Wine with winedbg
#   win32        the 32-bit program we ship (only the program: its tests
#                cannot run here, and the 64-bit tree builds the same code)
# Without arguments it builds every tree. "build.sh TREE [TARGET...]" builds
# one tree, or only these targets of it (run.sh: "build.sh win64 Orvanta").
# A tree is configured afresh whenever its configure arguments, compilers or
# toolchain files differ from those it was configured with (a stamp in the
# tree holds their hash); otherwise Ninja re-runs CMake when a CMakeLists.txt
# changed.
set -euo pipefail
cd "$(dirname "$0")/.."

trees=(native asan fuzz win64 win64-debug win32)

# Sets args (configure arguments), cc and cxx (the compilers: CC and CXX
# of the environment, empty for CMake's choice; a toolchain file sets its
# own) and targets (empty for all) of tree $1.
tree() {
    cc=${CC:-} cxx=${CXX:-} targets=()
    case $1 in
        native) args=(-DCMAKE_BUILD_TYPE=Release) ;;
        asan) cc=clang cxx=clang++
              args=(-DCMAKE_BUILD_TYPE=Release -DORVANTA_SANITIZE=ON) ;;
        fuzz) cc=clang cxx=clang++
              args=(-DCMAKE_BUILD_TYPE=Release -DORVANTA_SANITIZE=ON -DORVANTA_FUZZ=ON -DBUILD_TESTING=OFF) ;;
        win64) args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake) ;;
        # Only the program by default, to keep the build short; its tests can
        # be built too ("build.sh win64-debug url_page_tests").
        win64-debug) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake)
                     targets=(Orvanta) ;;
        win32) args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake)
               targets=(Orvanta) ;;
        *) echo "build.sh: no tree '$1' (trees: ${trees[*]})" >&2; exit 2 ;;
    esac
}

# Configures build/$1 unless it was configured with exactly these settings.
configure() {
    local dir=build/$1 toolchains="" stamp
    case " ${args[*]}" in
        # The toolchain file names the compilers; its contents count.
        *" -DCMAKE_TOOLCHAIN_FILE="*) cc="" cxx="" toolchains=$(cat cmake/*.cmake) ;;
    esac
    stamp=$(printf '%s\n' "${args[@]}" "CC=$cc" "CXX=$cxx" "$toolchains" | sha256sum | cut -d' ' -f1)
    if [ -f "$dir/CMakeCache.txt" ] && [ "$(cat "$dir/.configure-stamp" 2>/dev/null)" = "$stamp" ]; then
        return 0
    fi
    rm -f "$dir/.configure-stamp"
    # --fresh drops the cache: a changed toolchain or option takes effect.
    env ${cc:+CC="$cc"} ${cxx:+CXX="$cxx"} cmake --fresh -S . -B "$dir" -G Ninja "${args[@]}" >/dev/null
    echo "$stamp" > "$dir/.configure-stamp"
}

# Builds tree $1: the targets named after it, else its own.
build() {
    local name=$1
    shift
    tree "$name"
    configure "$name"
    if [ $# -gt 0 ]; then targets=("$@"); fi
    local only=()
    if [ ${#targets[@]} -gt 0 ]; then only=(--target "${targets[@]}"); fi
    cmake --build "build/$name" "${only[@]}" -- -j"$(nproc)"
}

if [ $# -gt 0 ]; then
    build "$@"
else
    for t in "${trees[@]}"; do build "$t"; done
fi
