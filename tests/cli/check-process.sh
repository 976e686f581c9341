#!/bin/sh
# The hali program as a process: exit codes, results on stdout only, messages on stderr only, and the batch
# mode's bad lines reported while the rest is computed.   check-process.sh <hali> [<runner of the .exe>]
set -u
hali=$1 runner=${2:-}
failures=0 checks=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# fail WHAT: counts a check, and a failure when WHAT is not empty.
fail() {
    checks=$((checks + 1))
    [ -z "$1" ] && return
    failures=$((failures + 1))
    printf 'FAIL hali %.200s: %s\n--- stdout:\n%.2000s\n--- stderr:\n%.2000s\n' "$args" "$1" "$gotOut" "$gotErr"
}

# Batch: a bad line is reported, quoted and cut (no raw control characters, not 100,000 characters), and the
# others are computed, each after its line number; exit code 1. A Windows console's CRs do not count.
args=batch
long=$(printf '%099999dx' 7)
printf 'convert,26\n%s\nconvert,\033[2J\377\r\ndensity,35,25' "$long" |
    $runner "$hali" batch >"$work/out" 2>"$work/err"
got=$?
gotOut=$(tr -d '\r' <"$work/out")
gotErr=$(tr -d '\r' <"$work/err")
problem=
[ "$got" = 1 ] || problem="exit code $got, not 1"
[ "$gotOut" = "$(printf '1 sg 1.02339\n4 density 1023.343')" ] || problem="$problem; stdout differs"
case $gotErr in
    *'hali batch: line 2: unknown computation "0000000000000000000000000000000000000000"... (100000 bytes)'*) ;;
    *) problem="$problem; stderr lacks line 2's report, quoted and cut" ;;
esac
fail "$problem"

# unwritable FROM WHERE ARGS...: input from a pipe or a file (FROM), stdout that cannot be written (WHERE: full, a
# full disk; closed, no stdout at all): exit code 1 and a message on stderr.
unwritable() {
    from=$1 where=$2
    shift 2
    args="$* with stdout $where, input from a $from"
    printf 'convert,26\n' >"$work/lines"
    case $from:$where in
        pipe:full) cat "$work/lines" | $runner "$hali" "$@" >/dev/full 2>"$work/err" ;;
        pipe:closed) cat "$work/lines" | $runner "$hali" "$@" >&- 2>"$work/err" ;;
        file:full) $runner "$hali" "$@" <"$work/lines" >/dev/full 2>"$work/err" ;;
        file:closed) $runner "$hali" "$@" <"$work/lines" >&- 2>"$work/err" ;;
    esac
    got=$? gotOut= gotErr=$(cat "$work/err")
    problem="exit code $got, or no message"
    [ "$got" = 1 ] && grep -q 'the results cannot be written' "$work/err" && problem=
    fail "$problem"
}
# Each way a command writes its results on a full disk (a single command's is the same full or closed); batch's
# three (each answer flushed to a pipe, csv's header first, a file's results at the end), full and closed.
for words in 'convert 26' 'table --from 20 --to 30' --help --version 'convert --help'; do
    unwritable file full $words # split into its words
done
for where in full closed; do
    unwritable pipe $where batch
    unwritable pipe $where batch --format csv
    unwritable file $where batch
done

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
