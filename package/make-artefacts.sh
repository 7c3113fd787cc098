#!/usr/bin/env bash
# The release artefacts from one built Locatrix.exe, for the build's package target:
#   make-artefacts.sh SOURCE_DIR LOCATRIX_EXE VERSION STRIP OUT_DIR
# writes OUT_DIR/Locatrix-VERSION-win32.zip and OUT_DIR/Locatrix-VERSION-win32-setup.exe.
# Every time stamp is SOURCE_DATE_EPOCH (else the source commit's), so the bytes depend only on
# the inputs.
set -euo pipefail
fail() { echo "make-artefacts.sh: $*" >&2; exit 1; }
[ $# -eq 5 ] || fail "usage: make-artefacts.sh SOURCE_DIR LOCATRIX_EXE VERSION STRIP OUT_DIR"
src=$1 exe=$2 version=$3 strip=$4 out=$5
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct 2>/dev/null) ||
        fail "SOURCE_DATE_EPOCH is not set and $src is no git checkout; set it to the commit time"
fi
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C

name="Locatrix-$version"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage="$work/$name"
mkdir "$stage"
"$strip" -o "$stage/Locatrix.exe" "$exe"
# Texts for Windows: CRLF line ends, so that every Notepad shows them as lines.
sed "s/@VERSION@/$version/g; s/\$/\r/" "$src/package/README.txt" >"$stage/README.txt"
sed 's/$/\r/' "$src/LICENSE" >"$stage/LICENSE.txt"
# The installer keeps each file's time and sets it on install, so the times are part of its bytes.
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

mkdir -p "$out"
rm -f "$out/$name-win32.zip" "$out/$name-win32-setup.exe"
python3 "$src/package/make-zip.py" "$out/$name-win32.zip" "$stage" || fail "writing the zip failed"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DICON="$src/res/Locatrix.ico" \
         -DOUTFILE="$out/$name-win32-setup.exe" "$src/package/Locatrix.nsi" >"$work/nsis.log" 2>&1 ||
    { cat "$work/nsis.log" >&2; fail "makensis failed (log above)"; }
