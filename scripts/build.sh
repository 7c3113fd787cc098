#!/usr/bin/env bash
# Configures and builds the given trees (default: native and win32):
#   native  engine, CLI, native tests, benchmark, fuzzer
#   win32   everything, cross-compiled for 32-bit Windows: what ships
#   win64   everything, cross-compiled for 64-bit Windows: what runs where 32-bit programs cannot
#   scripts/build.sh [--target "TARGET..."] [native] [win32] [win64]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
target=()
if [ "${1:-}" = --target ]; then
    target=(--target $2) # one or more, separated by spaces
    shift 2
fi
trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(native win32)

for tree in "${trees[@]}"; do
    case "$tree" in
        native) toolchain=() ;;
        win32)  toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake") ;;
        win64)  toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake") ;;
        *) echo "build.sh: unknown tree '$tree' (native, win32 or win64)" >&2; exit 2 ;;
    esac
    cmake -S "$root" -B "$root/build/$tree" -DCMAKE_BUILD_TYPE=Release "${toolchain[@]}" >/dev/null \
        || { echo "build.sh: configuring build/$tree failed (CMake's messages are above); scripts/setup.sh installs the tools" >&2; exit 1; }
    cmake --build "$root/build/$tree" -j "$jobs" "${target[@]}" \
        || { echo "build.sh: building build/$tree failed (the compiler's messages are above)" >&2; exit 1; }
done
