#!/usr/bin/env bash
# A file that adif -o replaces is, at every instant, the old one or the new one, whole. adif
# writes over its own log; a write that
# fails half way (natively: a file-size limit makes write fail with EFBIG) and, on Windows, a
# target that is read-only or held open by another program without delete sharing leave the
# old bytes, a message, exit status 3 and no temporary file; one held open by a viewer that
# allows deletion is replaced or refused (Windows versions differ), but never lost.
#   replace_test.sh CLI    or    replace_test.sh EMULATOR WINDOWS_CLI HOLD_FILE_EXE
set -uo pipefail
if [ $# -eq 1 ]; then
    cli=("$1") holder=()
else
    cli=("$1" "$2") holder=("$1" "$3")
fi
failures=0
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
mkdir "$scratch/files"
log=$scratch/files/log.adi
original=$'log\r\n<EOH>\r\n<CALL:4>DL1X<GRIDSQUARE:6>KO85TS<EOR>\r\n'
fresh() { printf '%s' "$original" >"$log"; }
filled=$'log\r\n<EOH>\r\n<CALL:4>DL1X<GRIDSQUARE:6>KO85TS<DISTANCE:6>1610.1 <EOR>\r\n'
left() { ls -A "$scratch/files" | grep -v '^log.adi$'; }

# replaced WHAT [RUNNER...]: adif -o over a fresh log succeeds; the log is the filled one.
replaced() {
    local what=$1
    shift
    "$@" "${cli[@]}" adif --from JO62QM "$log" -o "$log" 2>/dev/null || fail "$what: status $?"
    [ "$(cat "$log"; echo .)" = "$filled." ] || fail "$what: the log is $(od -c "$log")"
    [ -z "$(left)" ] || fail "$what: left behind: $(left)"
}

# refused WHAT MESSAGE [RUNNER...]: adif -o over the log fails with MESSAGE (a glob) and status
# 3; the log keeps its bytes and no temporary file is left.
refused() {
    local what=$1 message=$2 before got
    shift 2
    before=$(od -c "$log")
    # Through a pipe: a file-size limit would cut a message written to a file.
    got=$({ "$@" "${cli[@]}" adif --from JO62QM "$log" -o "$log" 2>&1 >/dev/null; echo "|$?"; } | tr -d '\r\n')
    # shellcheck disable=SC2053
    [[ $got == $message"|3" ]] || fail "$what: got \"$got\", wanted \"$message|3\""
    [ "$(od -c "$log")" = "$before" ] || fail "$what: the log changed"
    [ -z "$(left)" ] || fail "$what: left behind: $(left)"
}

# holding [--share-delete] CHECK ARGS...: runs the check while another program holds the log open.
holding() {
    local options=() holder_pid
    [ "$1" = --share-delete ] && { options=(--share-delete); shift; }
    rm -f "$scratch/hold.in"
    mkfifo "$scratch/hold.in"
    "${holder[@]}" "${options[@]}" "$log" <"$scratch/hold.in" >"$scratch/hold.out" 2>&1 &
    holder_pid=$!
    exec 7>"$scratch/hold.in"
    for _ in $(seq 600); do
        grep -q held "$scratch/hold.out" && break
        kill -0 $holder_pid 2>/dev/null || break
        sleep 0.1
    done
    if grep -q held "$scratch/hold.out"; then
        "$@"
    else
        fail "hold_file did not hold the log within 60 s: $(cat "$scratch/hold.out")"
    fi
    exec 7>&-
    wait $holder_pid
}

fresh
replaced "adif over its own log"
if [ ${#holder[@]} -eq 0 ]; then
    # The write ends with EFBIG rather than the signal, as when a disk fills up.
    limited() { (trap '' XFSZ; exec prlimit --fsize=20 "$@"); }
    fresh
    refused "a write that fails half way" "locatrix-cli: adif: cannot write *: File too large; nothing written" limited
else
    read_only() { chmod a-w "$log"; "$@"; chmod u+w "$log"; }
    fresh
    read_only refused "a read-only log" "locatrix-cli: adif: cannot replace *: *read-only*; nothing written"
    fresh
    holding refused "a log held open by another program" "locatrix-cli: adif: cannot replace *: *; nothing written"
    # Deleting it first would succeed there, and the name would go with the viewer.
    fresh
    holding --share-delete "${cli[@]}" adif --from JO62QM "$log" -o "$log" 2>/dev/null
    log_now=$(cat "$log" 2>/dev/null; echo .)
    [ "$log_now" = "$filled." ] || [ "$log_now" = "$original." ] \
        || fail "a log held open by a viewer that allows deletion, once the viewer closed it: ${log_now%.}"
    [ -z "$(left)" ] || fail "a log held open by a viewer that allows deletion: left behind: $(left)"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "replace_test: all checks passed"
