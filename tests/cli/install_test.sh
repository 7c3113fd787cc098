#!/usr/bin/env bash
# cmake --install of the build tree into a scratch prefix: the program in bin/, runnable, and
# its man page in share/man/man1.   install_test.sh BUILD_TREE
set -uo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
if ! cmake --install "$1" --prefix "$prefix" >/dev/null; then
    echo "FAIL: cmake --install $1 --prefix $prefix failed"
    exit 1
fi
failures=0
[ -x "$prefix/bin/locatrix-cli" ] || { echo "FAIL: no bin/locatrix-cli"; failures=$((failures + 1)); }
[ -f "$prefix/share/man/man1/locatrix-cli.1" ] || { echo "FAIL: no share/man/man1/locatrix-cli.1"; failures=$((failures + 1)); }
version=$("$prefix/bin/locatrix-cli" --version 2>&1)
[[ $version == "locatrix-cli "[0-9]* ]] || { echo "FAIL: the installed program says: $version"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || exit 1
echo "installed: $(cd "$prefix" && find . -type f | sort | tr '\n' ' ')"
