#!/usr/bin/env bash
# cmake --install of the build tree into a scratch prefix: the program in bin/, runnable, and
# its man page in share/man/man1, naming every command and option that --help names and no other.
#   install_test.sh BUILD_TREE
set -uo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install $1 --prefix $prefix failed"; exit 1; }
cli=$prefix/bin/locatrix-cli
page=$prefix/share/man/man1/locatrix-cli.1
[ -x "$cli" ] && [ -f "$page" ] || { echo "FAIL: installed: $(cd "$prefix" && find . -type f | tr '\n' ' ')"; exit 1; }
failures=0
version=$("$cli" --version 2>&1)
[[ $version == "locatrix-cli "[0-9]* ]] || { echo "FAIL: the installed program says: $version"; failures=$((failures + 1)); }

help=$("$cli" --help | tr -d '\r') || { echo "FAIL: $cli --help did not run"; exit 1; }
man=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$page")
commands_in_help() { grep -oE '^  (locatrix-cli )?[a-z]+ (\[|[A-Z])' | sed -E 's/^  (locatrix-cli )?//; s/ .*//' | sort -u; }
commands_in_man() { sed -E 's/^\.B locatrix-cli( |$)/.B /' | grep -oE '^\.B [a-z]+( |$)' | sed -E 's/^\.B //; s/ $//' | sort -u; }
options() { grep -oE '(^|[^a-z-])--?[a-z]+' | sed -E 's/^[^-]*//' | grep -vE '^-[a-z]{2,}$' | sort -u; }
compare() {
    local what=$1 from_help=$2 from_man=$3 missing
    missing=$(comm -23 <(echo "$from_help") <(echo "$from_man"))
    [ -n "$missing" ] && { echo "FAIL: $what in --help but not in the man page:" $missing; failures=$((failures + 1)); }
    missing=$(comm -13 <(echo "$from_help") <(echo "$from_man"))
    [ -n "$missing" ] && { echo "FAIL: $what in the man page but not in --help:" $missing; failures=$((failures + 1)); }
}
help_commands=$(echo "$help" | commands_in_help)
compare commands "$help_commands" "$(echo "$man" | commands_in_man)"
compare options "$(echo "$help" | options)" "$(echo "$man" | options)"
# The extraction itself must find what is certainly there: the window's four and the toolbox's five.
[ "$(echo $help_commands | wc -w)" -eq 11 ] || { echo "FAIL: not 11 commands:" $help_commands; failures=$((failures + 1)); }
if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s): cli/locatrix-cli.1, the help text and the install rules must agree"
    exit 1
fi
echo "installed; man page and --help agree: $(echo $help_commands | wc -w) commands"
