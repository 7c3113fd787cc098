#!/usr/bin/env bash
# The 32-bit build's checks on a machine that cannot run 32-bit programs, on every machine:
# the test command's own invocation on the real 32-bit tree, with Wine's 32-bit loader replaced
# by a program the kernel refuses (an ELF file for another processor fails with "Exec format
# error", as that loader does on a kernel without 32-bit support). Every program started is
# traced: no Windows program, no Wine loader and no emulator may start, and every check must run.
#   shipped_without_loader_test.sh SOURCE_ROOT WIN32_TREE
set -uo pipefail
root=$1 tree=$2
if [ ! -f "$tree/CTestTestfile.cmake" ]; then
    echo "shipped_without_loader_test: $tree is not built (scripts/build.sh win32 builds it; the test command does); skipped"
    exit 77
fi
command -v strace >/dev/null || { echo "FAIL: strace is missing: run scripts/setup.sh"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf '\177ELF\002\001\001\000\000\000\000\000\000\000\000\000\002\000\267\000' >"$scratch/refused-loader"
chmod +x "$scratch/refused-loader"

LOCATRIX_WINE32_LOADER=$scratch/refused-loader \
    strace -f -qq -e trace=execve -e signal=none -o "$scratch/exec.log" \
    "$root/scripts/check-shipped.sh" "$tree" >"$scratch/out" 2>&1
status=$?
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

grep -q 'execve("[^"]*/ctest"' "$scratch/exec.log" || fail "strace saw no ctest start, so it cannot vouch for what started: $(head -c 300 "$scratch/exec.log")"
# Every program started, by the file it ran; a Windows program starts only through one of these.
started=$(sed -n 's/^[0-9]* *execve("\([^"]*\)".*/\1/p' "$scratch/exec.log" | sort -u)
windows=$(grep -i -E '\.exe$|/wine-run\.sh$|/wine[^/]*$|/refused-loader$' <<<"$started")
[ -z "$windows" ] || fail "Windows programs or their loader were started: $(tr '\n' ' ' <<<"$windows")"
[ "$status" -eq 0 ] || fail "the checks ended with status $status"
grep -q -E 'shipped_binaries [.]+ +Passed' "$scratch/out" || fail "shipped_binaries did not run and pass"
grep -q -E 'Not Run|Skipped|No tests were found' "$scratch/out" && fail "a check was left out"

if [ "$failures" -gt 0 ]; then
    echo "--- what the checks printed:"
    cat "$scratch/out"
    exit 1
fi
echo "shipped_without_loader_test: the 32-bit tree's checks passed and started no Windows program"
