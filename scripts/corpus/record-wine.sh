#!/usr/bin/env bash
# record.sh for a Windows build, under the Wine that wine-env.sh picks, in a prefix of its own on a
# headless display.
#   record-wine.sh CORPUS OUTDIR EXE
set -uo pipefail
[ $# -eq 3 ] || { echo "usage: record-wine.sh CORPUS OUTDIR EXE" >&2; exit 2; }
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
. "$repo/scripts/xvfb-session.sh"
. "$repo/scripts/wine-env.sh"
locatrix_wine_choose || exit 1
locatrix_wine_describe "Recording with"
WINEPREFIX=$(mktemp -d)/prefix
export WINEPREFIX
"$repo/scripts/wine-prefix.sh" "$WINEPREFIX"
start_headless_display
wineserver -p 2>/dev/null || true
"$LOCATRIX_WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
"$here/record.sh" "$1" "$2" "$LOCATRIX_WINE" "$3"
status=$?
wineserver -k 2>/dev/null || true
stop_headless_display
rm -rf "$(dirname "$WINEPREFIX")"
exit $status
