#!/usr/bin/env bash
# The installer as a Windows user meets it, in a Wine prefix of its own: installs silently for
# one user and for everyone; checks the files, the Start-menu shortcut and the Add/Remove Programs
# entry; uninstalls silently and checks that nothing of ours is left, the saved inputs kept unless
# /RemoveSettings asks.   installer_test.sh SETUP.exe VERSION PREFIX
set -uo pipefail
scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)
[ $# -eq 3 ] || { echo "usage: installer_test.sh SETUP.exe VERSION PREFIX" >&2; exit 2; }
setup=$1 version=$2
export WINEPREFIX=$3
# No Linux menu entries or icons for what we install.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
. "$scripts/xvfb-session.sh"
. "$scripts/wine-env.sh"
# The installer and what it installs are 32-bit programs.
locatrix_wine_choose win32 || exit 1
run_wine() { "$LOCATRIX_WINE" "$@"; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
unix_path() { local p=${1//\\//}; echo "$WINEPREFIX/drive_c/${p#[Cc]:/}"; }
ours_in_files() { find "$WINEPREFIX/drive_c" -iname '*locatrix*' 2>/dev/null; }
# Registry lines naming us, once the server has written the registry out; the kept settings key's
# own header is allowed when $1 says so.
ours_in_registry() {
    grep -ih 'locatrix' "$WINEPREFIX"/*.reg | { if [ "${1:-}" = keep ]; then grep -v '^\[Software\\\\Norvane\\\\Locatrix\]'; else cat; fi; }
}
reg_value() { run_wine reg query "$1" /v "$2" 2>/dev/null | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | tr -d '\r'; }

# A prefix with nothing of ours in it: made once, and made again when a failed run left something.
make_prefix() { "$scripts/wine-prefix.sh" "$WINEPREFIX" || { echo "installer_test: cannot create $WINEPREFIX" >&2; exit 1; }; }
make_prefix
if [ -n "$(ours_in_files)$(ours_in_registry)" ]; then
    echo "installer_test: a previous run left Locatrix in $WINEPREFIX; making the prefix anew" >&2
    wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"
    make_prefix
fi
start_headless_display || exit 1
trap 'wineserver -k 2>/dev/null; stop_headless_display' EXIT

# install_and_remove MODE ROOT_KEY FOLDER_PATTERN (with /) MENU_PATTERN UNINSTALL_OPTIONS kept|removed
install_and_remove() {
    local mode=$1 root=$2 folder_pattern=$3 menu_pattern=$4 options=$5 settings=$6
    local key="$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Locatrix"
    run_wine "$setup" /S "/$mode" >/dev/null 2>&1 || fail "$mode: setup /S failed"

    local folder; folder=$(reg_value "$key" InstallLocation)
    [[ "${folder//\\//}" == $folder_pattern ]] || fail "$mode: installed into '$folder', not $folder_pattern"
    local dir; dir=$(unix_path "$folder")
    for file in Locatrix.exe README.txt LICENSE.txt Uninstall.exe; do
        [ -f "$dir/$file" ] || fail "$mode: $file not installed"
    done

    local shortcuts; shortcuts=$(find "$WINEPREFIX/drive_c" -name 'Locatrix.lnk')
    [[ "$shortcuts" == $menu_pattern ]] || fail "$mode: Start-menu shortcut is '$shortcuts', not $menu_pattern"
    [ -n "$shortcuts" ] && { strings "$shortcuts" | grep -qF "$folder\\Locatrix.exe" ||
        fail "$mode: the shortcut does not start $folder\\Locatrix.exe"; }

    local entry value
    for entry in DisplayName=Locatrix DisplayVersion="$version" Publisher=Norvane DisplayIcon="\"$folder\\Locatrix.exe\",0"; do
        value=$(reg_value "$key" "${entry%%=*}")
        [ "$value" = "${entry#*=}" ] || fail "$mode: uninstall entry ${entry%%=*} is '$value', not '${entry#*=}'"
    done

    run_wine reg add 'HKCU\SOFTWARE\Norvane\Locatrix' /v Locator /t REG_SZ /d JO62QM /f >/dev/null 2>&1
    local uninstall; uninstall=$(reg_value "$key" QuietUninstallString)
    [[ "$uninstall" == *" /S" ]] || fail "$mode: QuietUninstallString '$uninstall' is not silent"
    # The uninstaller runs on from a copy of itself; the server ends when every process has.
    eval "run_wine $uninstall $options" >/dev/null 2>&1
    wineserver -w

    local left; left=$(ours_in_files)
    [ -z "$left" ] || fail "$mode: left behind: $left"
    if [ "$settings" = kept ]; then
        left=$(ours_in_registry keep)
        grep -q '^\[Software\\\\Norvane\\\\Locatrix\]' "$WINEPREFIX/user.reg" ||
            fail "$mode: the saved inputs were removed without being asked"
    else
        left=$(ours_in_registry; grep -i 'norvane' "$WINEPREFIX/user.reg")
    fi
    [ -z "$left" ] || fail "$mode: registry still holds: $left"
}

install_and_remove CurrentUser HKCU 'C:/users/*/AppData/Local/Programs/Locatrix' \
    "$WINEPREFIX/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Locatrix.lnk" "" kept
install_and_remove AllUsers HKLM 'C:/Program Files*/Locatrix' \
    "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Locatrix.lnk" /RemoveSettings removed

echo "installer_test: $failures failed"
[ $failures -eq 0 ]
