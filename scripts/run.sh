#!/usr/bin/env bash
# Sets up, builds and starts Locatrix. On Linux it runs under Wine in your own Wine prefix
# (WINEPREFIX, or ~/.wine), so your inputs are kept between runs as they are on Windows.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"

if [ -z "${DISPLAY:-}" ]; then
    echo "run.sh: no display (DISPLAY is not set), so the Locatrix window cannot open; run it from a desktop session." >&2
    exit 1
fi
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec wine "$root/build/win32/app/Locatrix.exe"
