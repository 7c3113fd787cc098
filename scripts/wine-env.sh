# Sourced by every script that runs a Windows program: the one place that decides which
# Windows build this machine can run, and how.
#
#   locatrix_wine_choose [win32|win64]
#
# picks the build (the argument, else LOCATRIX_WINE_ARCH, else win32 wherever Wine's 32-bit
# loader runs and win64 otherwise) and exports
#   LOCATRIX_WINE_ARCH    win32 or win64
#   LOCATRIX_WINE         the Wine loader for that build; run programs as "$LOCATRIX_WINE" prog.exe
#   WINELOADER            the same, so that Wine starts its helper processes with it too
#   LOCATRIX_WINE_TREE    the build tree of that build (build/win32 or build/win64)
#   LOCATRIX_WINE_PREFIX  the scratch prefix of that tree, for tests and tools
#   LOCATRIX_WINE_WHY     why this build, in a few words
# or prints one line saying what is wrong and what to do, and returns 1.
#
# Debian's "wine" wrapper always takes the 32-bit loader once wine32 is installed, and that
# loader is itself a 32-bit Linux program: on a kernel without 32-bit support it fails with
# "Exec format error". So the loaders are named here and never called through the wrapper.

LOCATRIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
LOCATRIX_WINE32_LOADER=${LOCATRIX_WINE32_LOADER:-/usr/lib/wine/wine}
LOCATRIX_WINE64_LOADER=${LOCATRIX_WINE64_LOADER:-/usr/lib/wine/wine64}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko prompts, and no menu builder: it writes menu entries and icons into the
# user's desktop, and when a prefix is updated it lingers and keeps the server alive.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}

# Why a loader cannot run, or nothing when it runs: found by running it.
locatrix_loader_problem() {
    local loader=$1 output
    if [ ! -x "$loader" ]; then
        echo "$loader is not installed"
        return
    fi
    if ! output=$("$loader" --version 2>&1); then
        case "$output" in
            *"Exec format error"*) echo "this kernel cannot run 32-bit programs" ;;
            *) echo "$loader --version failed: ${output%%$'\n'*}" ;;
        esac
    fi
}

# Whether this kernel runs 32-bit x86 programs at all, before Wine is installed: runs a
# 91-byte 32-bit ELF program that only calls exit(0).
locatrix_kernel_runs_32bit() {
    local probe
    mkdir -p "$LOCATRIX_ROOT/build" && probe=$(mktemp "$LOCATRIX_ROOT/build/.probe32.XXXXXX") || return 1
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000T\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\133\000\000\000\133\000\000\000\005\000\000\000\000\020\000\000\061\333\061\300\100\315\200' >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    local status=$?
    rm -f "$probe"
    return $status
}

locatrix_wine_choose() {
    local wanted=${1:-${LOCATRIX_WINE_ARCH:-}} problem32 problem64
    case "$wanted" in
        ""|win32|win64) ;;
        *) echo "LOCATRIX_WINE_ARCH=$wanted is neither win32 nor win64; unset it or pick one of them." >&2
           return 1 ;;
    esac
    problem32=$(locatrix_loader_problem "$LOCATRIX_WINE32_LOADER")
    case "$wanted" in
        win32)
            if [ -n "$problem32" ]; then
                echo "The 32-bit Windows build cannot run here: $problem32. Use the 64-bit build (LOCATRIX_WINE_ARCH=win64), or run scripts/setup.sh on a kernel with 32-bit support." >&2
                return 1
            fi
            LOCATRIX_WINE_WHY="chosen by LOCATRIX_WINE_ARCH=win32" ;;
        win64)
            LOCATRIX_WINE_WHY="chosen by LOCATRIX_WINE_ARCH=win64" ;;
        *)
            if [ -z "$problem32" ]; then
                wanted=win32 LOCATRIX_WINE_WHY="this machine runs 32-bit programs"
            else
                wanted=win64 LOCATRIX_WINE_WHY=$problem32
            fi ;;
    esac
    if [ "$wanted" = win64 ]; then
        problem64=$(locatrix_loader_problem "$LOCATRIX_WINE64_LOADER")
        if [ -n "$problem64" ]; then
            if [ -n "$problem32" ]; then
                echo "Neither Wine loader runs here ($problem32; $problem64): run scripts/setup.sh, which installs wine64." >&2
            else
                echo "The 64-bit Windows build cannot run here: $problem64. Run scripts/setup.sh, which installs wine64." >&2
            fi
            return 1
        fi
        export LOCATRIX_WINE=$LOCATRIX_WINE64_LOADER
    else
        export LOCATRIX_WINE=$LOCATRIX_WINE32_LOADER
    fi
    export LOCATRIX_WINE_ARCH=$wanted LOCATRIX_WINE_WHY
    export WINELOADER=$LOCATRIX_WINE
    export LOCATRIX_WINE_TREE=$LOCATRIX_ROOT/build/$wanted
    export LOCATRIX_WINE_PREFIX=$LOCATRIX_WINE_TREE/wineprefix
}

# One line for the user: which build runs under which loader, and why.
locatrix_wine_describe() {
    local what=$1
    if [ "$LOCATRIX_WINE_ARCH" = win64 ]; then
        echo "$what: 64-bit build under wine64 ($LOCATRIX_WINE_WHY)"
    else
        echo "$what: 32-bit build under Wine ($LOCATRIX_WINE_WHY)"
    fi
}

# The Windows build a program file is for: win32, win64, or nothing when it is no PE file.
locatrix_pe_arch() {
    local file=$1 offset machine
    offset=$(od -An -t u4 -j 60 -N 4 "$file" 2>/dev/null | tr -d ' ') || return 0
    [ -n "$offset" ] && [ "$(od -An -c -j "$offset" -N 2 "$file" 2>/dev/null | tr -d ' ')" = PE ] || return 0
    machine=$(od -An -t x2 -j $((offset + 4)) -N 2 "$file" | tr -d ' ')
    case "$machine" in
        014c) echo win32 ;;
        8664) echo win64 ;;
    esac
}
