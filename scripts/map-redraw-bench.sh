#!/usr/bin/env bash
# Times the map window's full redraw at 1000 x 1000 pixels under Wine (bench/redraw), in the
# test prefix on a headless display.
#   scripts/map-redraw-bench.sh [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/wine-env.sh"
locatrix_wine_choose || exit 1
"$root/scripts/build.sh" --target map_redraw_bench "$LOCATRIX_WINE_ARCH" >/dev/null ||
    { echo "map-redraw-bench.sh: building the benchmark failed; build.sh says why above" >&2; exit 1; }
"$root/scripts/wine-run.sh" "$LOCATRIX_WINE_TREE/bench/redraw/map_redraw_bench.exe" "${1:-20}" ||
    { echo "map-redraw-bench.sh: the benchmark did not run to its end under Wine" >&2; exit 1; }
