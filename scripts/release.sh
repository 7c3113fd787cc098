#!/usr/bin/env bash
# Builds the Windows release from the committed tree (git archive of HEAD, so nothing
# uncommitted or left over from another build gets in) into dist/:
#   Locatrix-<version>-win32.zip         the portable program with README.txt and LICENSE.txt
#   Locatrix-<version>-win32-setup.exe   the NSIS installer
#   SHA256SUMS
# <version> is the CMake project version; the build's release_artefacts target (package/) makes
# them. Every time stamp is the commit's (SOURCE_DATE_EPOCH), so two runs from the same commit
# give the same bytes.
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

echo "release.sh: building the release of $(git rev-parse --short HEAD)" >&2
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$work/src/cmake/mingw-i686.cmake" >"$work/configure.log" 2>&1 ||
    { cat "$work/configure.log" >&2; fail "configuring the 32-bit Windows build failed (log above)"; }
cmake --build "$work/build" -j2 --target release_artefacts >"$work/build.log" 2>&1 ||
    { cat "$work/build.log" >&2; fail "building the release artefacts failed (log above)"; }

mkdir -p "$root/dist"
rm -f "$root/dist"/Locatrix-*-win32.zip "$root/dist"/Locatrix-*-win32-setup.exe "$root/dist/SHA256SUMS"
cp "$work/build/package"/Locatrix-*-win32.zip "$work/build/package"/Locatrix-*-win32-setup.exe "$root/dist/"
(cd "$root/dist" && sha256sum Locatrix-*-win32.zip Locatrix-*-win32-setup.exe >SHA256SUMS)
echo "release.sh: wrote into dist/:" >&2
cat "$root/dist/SHA256SUMS"
