#!/usr/bin/env bash
# Installs the Debian packages Locatrix needs to build, run and test, and nothing else.
# Wine's 32-bit part (and the i386 architecture it comes from) only where this kernel runs
# 32-bit programs; both MinGW-w64 compilers always, since the 32-bit build is what ships.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

# Test partners only, nothing of them is linked or shipped: rotctld (libhamlib-utils) is the
# rotator server the net tests drive, udp_daemon (wsjtx) the listener that decodes what the
# test encoder writes. python3-geographiclib is the WGS84 geodesic our own is measured against
# in a test; it is never linked or shipped.
packages=(wine wine64 fonts-wine fonts-liberation xvfb xauth xdotool imagemagick
          cmake g++ make googletest libgtest-dev libbenchmark-dev clang libclang-rt-dev
          mingw-w64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
          nsis python3 libxml2-utils strace libhamlib-utils wsjtx
          python3-geographiclib)
if locatrix_kernel_runs_32bit; then
    packages+=(wine32:i386)
else
    echo "setup: this kernel cannot run 32-bit programs, so Wine's 32-bit part is left out; the Windows tests will use the 64-bit build" >&2
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

fail() { echo "setup: $1" >&2; exit 1; }
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || fail "missing packages (${missing[*]}) and not root: run this script as root"
    SUDO="sudo"
fi
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386 || fail "dpkg --add-architecture i386 failed"
fi
echo "setup: installing ${missing[*]}" >&2
$SUDO apt-get update -qq || fail "apt-get update failed: check the network and /etc/apt/sources.list, then run scripts/setup.sh again"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null \
    || fail "apt-get install ${missing[*]} failed (its messages are above); mend that and run scripts/setup.sh again"
