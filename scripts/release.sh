#!/usr/bin/env bash
# Builds the Windows release from the committed tree (git archive of HEAD, so nothing
# uncommitted or left over from another build gets in) into dist/:
#   Locatrix-<version>-win32.zip         the portable program with README.txt and LICENSE.txt
#   Locatrix-<version>-win32-setup.exe   the NSIS installer
#   SHA256SUMS
# <version> is the CMake project version. Every time stamp is the commit's (SOURCE_DATE_EPOCH),
# so two runs from the same commit give the same bytes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
fail() { echo "release.sh: $*" >&2; exit 1; }
cd "$root"

git rev-parse --verify -q HEAD >/dev/null || fail "$root is not a git checkout with a commit; run it in a clone of the repository"
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
    fail "uncommitted changes to tracked files; commit or stash them, so that the release is what the commit holds"
"$root/scripts/setup.sh"

export SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export TZ=UTC LC_ALL=C
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/src"
git archive --format=tar HEAD | tar -x -C "$work/src"

echo "release.sh: building Locatrix.exe from $(git rev-parse --short HEAD)" >&2
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$work/src/cmake/mingw-i686.cmake" >"$work/configure.log" 2>&1 ||
    { cat "$work/configure.log" >&2; fail "configuring the 32-bit Windows build failed (log above)"; }
cmake --build "$work/build" -j2 --target Locatrix >"$work/build.log" 2>&1 ||
    { cat "$work/build.log" >&2; fail "building Locatrix.exe failed (log above)"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$work/build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in the CMake cache; check project(... VERSION ...) in CMakeLists.txt"

name="Locatrix-$version"
stage="$work/$name"
mkdir "$stage"
i686-w64-mingw32-strip -o "$stage/Locatrix.exe" "$work/build/app/Locatrix.exe"
# Texts for Windows: CRLF line ends, so that every Notepad shows them as lines.
sed "s/@VERSION@/$version/g; s/\$/\r/" "$work/src/package/README.txt" >"$stage/README.txt"
sed 's/$/\r/' "$work/src/LICENSE" >"$stage/LICENSE.txt"
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

mkdir -p "$root/dist"
rm -f "$root/dist/$name-win32.zip" "$root/dist/$name-win32-setup.exe" "$root/dist/SHA256SUMS"
python3 "$work/src/package/make-zip.py" "$root/dist/$name-win32.zip" "$stage" ||
    fail "writing the zip failed"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
         -DICON="$work/src/res/Locatrix.ico" -DOUTFILE="$root/dist/$name-win32-setup.exe" \
         "$work/src/package/Locatrix.nsi" >"$work/nsis.log" 2>&1 ||
    { cat "$work/nsis.log" >&2; fail "makensis failed (log above)"; }
(cd "$root/dist" && sha256sum "$name-win32.zip" "$name-win32-setup.exe" >SHA256SUMS)
echo "release.sh: wrote dist/$name-win32.zip, dist/$name-win32-setup.exe and dist/SHA256SUMS" >&2
cat "$root/dist/SHA256SUMS"
