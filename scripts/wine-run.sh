#!/usr/bin/env bash
# Runs a Windows program under Wine in the scratch prefix of the build tree, on a headless
# display. CTest uses it as the cross-compiling emulator: wine-run.sh program.exe [args...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/xvfb-session.sh"

export WINEPREFIX=${LOCATRIX_WINEPREFIX:-$(cd "$here/.." && pwd)/build/win32/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
"$here/wine-prefix.sh" "$WINEPREFIX"

if [ -z "${DISPLAY:-}" ]; then
    start_headless_display
    trap stop_headless_display EXIT
fi

set +e
wine "$@"
rc=$?
set -e
exit $rc
