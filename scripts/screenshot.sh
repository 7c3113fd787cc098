#!/usr/bin/env bash
# Makes docs/screenshot.png: Locatrix under Xvfb in a scratch prefix, with a worked example
# typed in the way a user would (52 31 15 N, 13 22 30 E to decimal degrees and JO62QM; the
# distance from JO62QM to KO85TS), cut out of a picture of the whole screen.
#   screenshot.sh [DPI]   at another screen DPI (the prefix's LogPixels): docs/screenshot-DPIdpi.png
#   screenshot.sh --map [DPI]   then presses Map and takes the map window: docs/map.png (map-DPIdpi.png)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
name=screenshot
if [ "${1:-}" = --map ]; then
    name=map
    shift
fi
dpi=${1:-96}
case "$dpi" in
    96) picture=$name.png ;;
    *[!0-9]*|"") echo "screenshot.sh: DPI must be a number such as 144, not '$dpi'" >&2; exit 1 ;;
    *) picture=$name-${dpi}dpi.png ;;
esac
. "$root/scripts/xvfb-session.sh"
. "$root/scripts/wine-env.sh"
locatrix_wine_choose || exit 1
locatrix_wine_describe "screenshot.sh"
tree=$LOCATRIX_WINE_TREE
"$root/scripts/build.sh" --target Locatrix "$LOCATRIX_WINE_ARCH" >/dev/null

export WINEPREFIX="$tree/screenshot-prefix"
"$root/scripts/wine-prefix.sh" "$WINEPREFIX"
# Our own display, so nothing else is on the picture; Wine must see it from its first command.
start_headless_display
work=$(mktemp -d)
finish() { wineserver -k 2>/dev/null || true; stop_headless_display; rm -rf "$work"; }
trap finish EXIT
"$LOCATRIX_WINE" reg delete 'HKCU\SOFTWARE\Norvane\Locatrix' /f >/dev/null 2>&1 || true  # a first start
"$LOCATRIX_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 ||
    { echo "screenshot.sh: could not set the prefix's DPI to $dpi" >&2; exit 1; }
wineserver -w  # Locatrix reads the DPI when it starts

"$LOCATRIX_WINE" "$tree/app/Locatrix.exe" &
window=
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Locatrix$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "screenshot.sh: the Locatrix window did not appear" >&2; exit 1; }
sleep 1

# The focus starts in the latitude degrees box; Tab follows the dialog's tab order.
keys() { xdotool "$@"; sleep 0.2; }
keys type --delay 60 '52'; keys key Tab; keys type --delay 60 '31'; keys key Tab
keys type --delay 60 '15'; keys key Tab Tab
keys type --delay 60 '13'; keys key Tab; keys type --delay 60 '22'; keys key Tab
keys type --delay 60 '30'; keys key Tab Tab
keys key space                                    # GRIDSQUARE degrees Calculate
keys key Tab Tab Tab Tab Tab Tab Tab Tab          # on to the local locator
keys type --delay 60 'JO62QM'; keys key Tab
keys type --delay 60 'KO85TS'; keys key Tab
keys key space                                    # DISTANCE Calculate
sleep 1
if [ "$name" = map ]; then
    keys key Tab space                            # Map, next in the tab order
    map=
    for _ in $(seq 100); do
        map=$(xdotool search --onlyvisible --name '^Locatrix Map' 2>/dev/null | head -n 1) && [ -n "$map" ] && break
        sleep 0.1
    done
    [ -n "$map" ] || { echo "screenshot.sh: the map window did not appear after pressing Map" >&2; exit 1; }
    window=$map
    sleep 1
fi

eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root "$work/screen.png"
mkdir -p "$root/docs"
convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$root/docs/$picture"
echo "screenshot.sh: wrote docs/$picture (${WIDTH}x${HEIGHT} at $dpi DPI)"
