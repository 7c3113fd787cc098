#!/usr/bin/env bash
# Installs the Debian packages Locatrix needs to build, run and test, and nothing else.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(cmake g++ make googletest libgtest-dev libbenchmark-dev clang libclang-rt-dev
          mingw-w64 wine wine64 wine32:i386 fonts-wine fonts-liberation xvfb xauth xdotool imagemagick
          binutils-mingw-w64-i686 nsis python3)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
echo "setup: installing ${missing[*]}" >&2
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
