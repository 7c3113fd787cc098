#!/usr/bin/env bash
# Sets up, builds and starts Locatrix. On Linux it runs under Wine: the 32-bit build where this
# kernel runs 32-bit programs, else the 64-bit one (LOCATRIX_WINE_ARCH=win32|win64 forces one).
# It uses a Wine prefix of its own (WINEPREFIX overrides), so your inputs are kept between runs
# as they are on Windows and your other prefixes are left alone.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/wine-env.sh"
"$root/scripts/setup.sh"
locatrix_wine_choose || exit 1
locatrix_wine_describe "Locatrix"
"$root/scripts/build.sh" --target Locatrix "$LOCATRIX_WINE_ARCH"

if [ -z "${DISPLAY:-}" ]; then
    echo "run.sh: no display (DISPLAY is not set), so the Locatrix window cannot open; run it from a desktop session." >&2
    exit 1
fi
export WINEPREFIX=${WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/locatrix/$LOCATRIX_WINE_ARCH}
"$root/scripts/wine-prefix.sh" "$WINEPREFIX"
exec "$LOCATRIX_WINE" "$LOCATRIX_WINE_TREE/app/Locatrix.exe"
