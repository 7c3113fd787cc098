#!/usr/bin/env bash
# The man page and --help describe the same program: every command and every option named
# in one is named in the other.   man_test.sh CLI MANPAGE
set -uo pipefail
cli=$1
page=$2
help=$("$cli" --help | tr -d '\r') || { echo "FAIL: $cli --help did not run"; exit 1; }
man=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$page")

commands_in_help() { grep -oE '^  (locatrix-cli )?[a-z]+ (\[|[A-Z])' | sed -E 's/^  (locatrix-cli )?//; s/ .*//' | sort -u; }
commands_in_man() { sed -E 's/^\.B locatrix-cli( |$)/.B /' | grep -oE '^\.B [a-z]+( |$)' | sed -E 's/^\.B //; s/ $//' | sort -u; }
options() { grep -oE '(^|[^a-z-])--?[a-z]+' | sed -E 's/^[^-]*//' | grep -vE '^-[a-z]{2,}$' | sort -u; }

failures=0
compare() {
    local what=$1 from_help=$2 from_man=$3 missing
    missing=$(comm -23 <(echo "$from_help") <(echo "$from_man"))
    [ -n "$missing" ] && { echo "FAIL: $what in --help but not in the man page:" $missing; failures=$((failures + 1)); }
    missing=$(comm -13 <(echo "$from_help") <(echo "$from_man"))
    [ -n "$missing" ] && { echo "FAIL: $what in the man page but not in --help:" $missing; failures=$((failures + 1)); }
}
help_commands=$(echo "$help" | commands_in_help)
man_commands=$(echo "$man" | commands_in_man)
compare commands "$help_commands" "$man_commands"
compare options "$(echo "$help" | options)" "$(echo "$man" | options)"
# The extraction itself must find what is certainly there.
for c in dms distance square path map nmea adif; do
    grep -qx "$c" <<<"$help_commands" || { echo "FAIL: no command $c found in --help"; failures=$((failures + 1)); }
done
if [ "$failures" -ne 0 ]; then
    echo "$failures difference(s): update cli/locatrix-cli.1 or the help text so that they agree"
    exit 1
fi
echo "man page and --help agree: $(echo $help_commands | wc -w) commands"
