#!/usr/bin/env bash
# Creates a Wine prefix once (wine-prefix.sh DIR) for the Windows build chosen by wine-env.sh,
# and sets it up: Wine's own fonts, no crash dialog, and unmanaged windows (Xvfb has no window
# manager, and a managed window that closes waits about 2 s for one).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
prefix=$1
# Named after the set-up it stands for: a prefix set up by an older version of this script
# (before Wine's fonts, say) is set up again.
ready=$prefix/.locatrix-ready-2
[ -f "$ready" ] && exit 0
[ -n "${LOCATRIX_WINE:-}" ] || locatrix_wine_choose || exit 1
export WINEPREFIX=$prefix

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$ready" ] && exit 0
fail() { echo "wine-prefix.sh: $1 (prefix $prefix)" >&2; exit 1; }
"$LOCATRIX_WINE" wineboot.exe -i >/dev/null 2>&1 \
    || fail "wineboot.exe -i with $LOCATRIX_WINE failed; remove the prefix and try again, or force the other build with LOCATRIX_WINE_ARCH"
# Wine here does not find its own fonts: without them "MS Sans Serif" becomes the wider
# Liberation Sans, labels are cut, and the caption buttons (Marlett) show as letters.
fonts=/usr/share/wine/fonts
[ -d "$fonts" ] || fail "$fonts is missing: run scripts/setup.sh (package fonts-wine)"
cp -f "$fonts"/* "$prefix/drive_c/windows/Fonts/" || fail "could not copy Wine's fonts into the prefix"
"$LOCATRIX_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 \
    || fail "could not switch off the crash dialog"
"$LOCATRIX_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 \
    || fail "could not set unmanaged windows"
timeout 120 wineserver -w || fail "Wine's server did not finish within 2 minutes after setting up the prefix"
touch "$ready"
