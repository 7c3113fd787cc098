#!/usr/bin/env bash
# Runs a Windows program under the Wine loader for its own build (32- or 64-bit), in the
# scratch prefix of that build tree, on a headless display. CTest uses it as the
# cross-compiling emulator: wine-run.sh program.exe [args...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/xvfb-session.sh"
. "$here/wine-env.sh"

arch=$(locatrix_pe_arch "$1")
[ -n "$arch" ] || { echo "wine-run.sh: $1 is not a 32- or 64-bit Windows program" >&2; exit 1; }
if [ "${LOCATRIX_WINE_ARCH:-}" != "$arch" ] || [ -z "${LOCATRIX_WINE:-}" ]; then
    locatrix_wine_choose "$arch" || exit 1
fi
export WINEPREFIX=${LOCATRIX_WINEPREFIX:-$LOCATRIX_WINE_PREFIX}
"$here/wine-prefix.sh" "$WINEPREFIX"

if [ -z "${DISPLAY:-}" ]; then
    start_headless_display
    trap stop_headless_display EXIT
fi

set +e
"$LOCATRIX_WINE" "$@"
rc=$?
set -e
exit $rc
