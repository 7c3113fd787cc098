#!/usr/bin/env bash
# Runs every case of CORPUS/cases.txt (made by prepare.py) through one locatrix-cli and keeps what
# it did: stdout, stderr, exit status, the file it wrote and anything else it left in its folder.
# Two recordings compare with diff -r.
#   record.sh CORPUS OUTDIR CLI [WORDS...]   e.g. record.sh /tmp/corpus /tmp/corpus/native build/native/cli/locatrix-cli
set -uo pipefail
[ $# -ge 3 ] && [ -f "$1/cases.txt" ] || { echo "usage: record.sh CORPUS OUTDIR CLI [WORDS...] (CORPUS made by prepare.py)" >&2; exit 2; }
corpus=$(cd "$1" && pwd)
out=$2
shift 2
cli=("$@")
work=$corpus/work
rm -rf "$out" && mkdir -p "$out"
n=0
while IFS=$'\t' read -r name stdin args; do
    rm -rf "$work" && mkdir -p "$work"
    eval "set -- $args"
    words=("${@//OUTFILE/$work/out.file}")
    if [ "${args/COPYIN/}" != "$args" ]; then
        cp "$stdin" "$work/out.file"
        words=("${words[@]//COPYIN/$work/out.file}")
    fi
    "${cli[@]}" "${words[@]}" <"$stdin" >"$out/$name.out" 2>"$out/$name.err"
    echo $? >"$out/$name.rc"
    [ -f "$work/out.file" ] && mv "$work/out.file" "$out/$name.file"
    left=$(ls -A "$work")
    [ -n "$left" ] && echo "$left" >"$out/$name.left"
    n=$((n + 1))
done <"$corpus/cases.txt"
rm -rf "$work"
echo "record.sh: $n cases into $out ($(du -sh "$out" | cut -f1))"
