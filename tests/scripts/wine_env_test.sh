#!/usr/bin/env bash
# The choice of Windows build, with stand-in loaders: one that runs, one the kernel refuses
# (an ELF program for another processor fails with "Exec format error", as Wine's 32-bit loader
# does on a kernel without 32-bit support) and one that is not there.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
expect() { # expect WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] && return
    echo "FAIL: $1"$'\n'"  expected: $2"$'\n'"  actual:   $3"
    failures=$((failures + 1))
}

printf '#!/bin/sh\necho wine-8.0\n' >"$scratch/runs" && chmod +x "$scratch/runs"
printf '\177ELF\002\001\001\000\000\000\000\000\000\000\000\000\002\000\267\000' >"$scratch/refused" && chmod +x "$scratch/refused"
choose() { # choose LOADER32 LOADER64 [ARCH]: the one line it prints, its status, and what it exported
    (
        LOCATRIX_WINE32_LOADER=$1 LOCATRIX_WINE64_LOADER=$2
        unset LOCATRIX_WINE_ARCH
        . "$root/scripts/wine-env.sh"
        if out=$(locatrix_wine_choose ${3:-} 2>&1); then
            locatrix_wine_choose ${3:-}
            echo "$(locatrix_wine_describe X) -> ${LOCATRIX_WINE##*/} ${LOCATRIX_WINE_TREE#$root/} $WINELOADER"
        else
            echo "status 1: $out"
        fi
    )
}
r=$scratch/runs f=$scratch/refused m=$scratch/missing
expect "32-bit where it runs" "X: 32-bit build under Wine (this machine runs 32-bit programs) -> runs build/win32 $r" "$(choose "$r" "$r")"
expect "64-bit where the kernel refuses 32-bit programs" "X: 64-bit build under wine64 (this kernel cannot run 32-bit programs) -> runs build/win64 $r" "$(choose "$f" "$r")"
expect "64-bit without Wine's 32-bit part" "X: 64-bit build under wine64 ($m is not installed) -> runs build/win64 $r" "$(choose "$m" "$r")"
expect "forced 64-bit" "X: 64-bit build under wine64 (chosen by LOCATRIX_WINE_ARCH=win64) -> runs build/win64 $r" "$(choose "$r" "$r" win64)"
expect "forced 32-bit that cannot run" "status 1: The 32-bit Windows build cannot run here: this kernel cannot run 32-bit programs. Use the 64-bit build (LOCATRIX_WINE_ARCH=win64), or run scripts/setup.sh on a kernel with 32-bit support." "$(choose "$f" "$r" win32)"
expect "no loader at all" "status 1: Neither Wine loader runs here (this kernel cannot run 32-bit programs; $m is not installed): run scripts/setup.sh, which installs wine64." "$(choose "$f" "$m")"
expect "an unknown build" "status 1: LOCATRIX_WINE_ARCH=win16 is neither win32 nor win64; unset it or pick one of them." "$(choose "$r" "$r" win16)"

# The build a program is for, read from its PE header; nothing for other files.
. "$root/scripts/wine-env.sh"
pe() { printf 'MZ' >"$scratch/pe"; head -c 58 /dev/zero >>"$scratch/pe"; printf '\100\000\000\000PE\000\000'"$1" >>"$scratch/pe"; locatrix_pe_arch "$scratch/pe"; }
expect "i386 program" win32 "$(pe '\114\001')"
expect "x86-64 program" win64 "$(pe '\144\206')"
expect "ARM program" "" "$(pe '\304\001')"
expect "not a program" "" "$(locatrix_pe_arch "$scratch/runs")"

[ "$failures" -eq 0 ] && echo "wine_env_test: all passed" || { echo "$failures failure(s)"; exit 1; }
