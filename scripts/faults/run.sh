#!/usr/bin/env bash
# How many planted faults the tests catch. Each fault of faults.txt goes into the sources of
# TREE (a clone or worktree with build/native and the Windows tree this machine runs built: its
# sources are changed while a fault is in, so never your working tree), one at a time; the tests
# run natively and under Wine (the build wine-env.sh picks, or LOCATRIX_WINE_ARCH); a line per
# fault goes to RESULTS, CTest's output beside it.
#   scripts/faults/run.sh TREE RESULTS [ID...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[ $# -ge 2 ] || { echo "usage: scripts/faults/run.sh TREE RESULTS [ID...]" >&2; exit 2; }
tree=$(cd "$1" && pwd)
results=$(realpath -m "$2")
shift 2
[ -z "$(git -C "$tree" status --porcelain --untracked-files=no)" ] \
    || { echo "run.sh: $tree has changes of its own; plant faults only into a clean clone" >&2; exit 1; }
. "$tree/scripts/xvfb-session.sh"
. "$tree/scripts/wine-env.sh"
locatrix_wine_choose || exit 1
[ -d "$tree/build/native" ] && [ -d "$tree/build/$LOCATRIX_WINE_ARCH" ] \
    || { echo "run.sh: $tree has no build/native and build/$LOCATRIX_WINE_ARCH: run scripts/build.sh native $LOCATRIX_WINE_ARCH there first" >&2; exit 1; }
locatrix_wine_describe "Faults' Windows tests"
export WINEPREFIX=$LOCATRIX_WINE_PREFIX
start_headless_display
trap 'wineserver -k 2>/dev/null || true; stop_headless_display' EXIT
"$tree/scripts/wine-prefix.sh" "$WINEPREFIX"
wineserver -p 2>/dev/null || true
"$LOCATRIX_WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
python3 "$here/plant.py" "$tree" "$LOCATRIX_WINE_ARCH" "${FAULTS:-$here/faults.txt}" "$results" "$@"
echo "run.sh: $(grep -c $'\tcaught\t' "$results") caught, $(grep -c $'\tmissed\t' "$results") missed (in $results)"
