#!/usr/bin/env bash
# Start-up speed of Locatrix.exe under Wine against two floors built the same way: the
# calculator's own dialog shown by a program with no code behind it, and a bare one-button
# dialog. Each is timed from process start to a visible dialog that answers messages, in turn,
# RUNS times each (default 10), in the scratch prefix on a headless display. Further programs
# (say, an earlier build of Locatrix.exe) are timed in the same turns.
#   scripts/startup-bench.sh [RUNS [OTHER.exe...]]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-10}
shift $(($# > 0 ? 1 : 0))
. "$root/scripts/xvfb-session.sh"
. "$root/scripts/wine-env.sh"
locatrix_wine_choose || exit 1
locatrix_wine_describe "startup-bench.sh"
tree=$LOCATRIX_WINE_TREE
"$root/scripts/build.sh" --target "Locatrix locatrix_floor locatrix_bare_floor startup_probe" "$LOCATRIX_WINE_ARCH" >/dev/null

export WINEPREFIX=$LOCATRIX_WINE_PREFIX
"$root/scripts/wine-prefix.sh" "$WINEPREFIX"
if [ -z "${DISPLAY:-}" ]; then
    start_headless_display
    trap stop_headless_display EXIT
fi

locatrix=$("$LOCATRIX_WINE" winepath -w "$tree/app/Locatrix.exe")
floor=$("$LOCATRIX_WINE" winepath -w "$tree/bench/startup/locatrix_floor.exe")
bare=$("$LOCATRIX_WINE" winepath -w "$tree/bench/startup/locatrix_bare_floor.exe")
others=()
for other in "$@"; do
    [ -f "$other" ] || { echo "startup-bench.sh: $other is not a file" >&2; exit 1; }
    others+=("$("$LOCATRIX_WINE" winepath -w "$(cd "$(dirname "$other")" && pwd)/$(basename "$other")")")
done
"$LOCATRIX_WINE" "$tree/bench/startup/startup_probe.exe" "$runs" "$locatrix" "$floor" "$bare" "${others[@]}"
