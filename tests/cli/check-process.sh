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

# check CODE INPUT OUT ERR ARGS...: runs hali ARGS with INPUT on stdin; the exit code must be CODE, stdout OUT
# exactly, stderr contain ERR ("" for empty). A Windows console's CRs do not count.
check() {
    code=$1 input=$2 out=$3 err=$4
    shift 4
    args="$*"
    printf '%b' "$input" | $runner "$hali" "$@" >"$work/out" 2>"$work/err"
    got=$?
    gotOut=$(tr -d '\r' <"$work/out")
    gotErr=$(tr -d '\r' <"$work/err")
    problem=
    [ "$got" = "$code" ] || problem="exit code $got, not $code"
    [ "$gotOut" = "$(printf '%b' "$out")" ] || problem="$problem; stdout differs"
    case $gotErr in *"$err"*) ;; *) problem="$problem; stderr lacks: $err" ;; esac
    [ -n "$err" ] || [ -z "$gotErr" ] || problem="$problem; stderr not empty"
    fail "$problem"
}

# A value is shown quoted and cut: no raw control characters, not 100,000 characters. (A Windows command line
# holds at most 32,767 characters, and its arguments come through the ANSI code page: bytes that are not
# UTF-8 are tried on the input.)
long=$(printf '%029999dx' 7)
check 2 '' '' 'hali convert: --temperature "0000000000000000000000000000000000000000"... (30000 bytes): not a number' \
    convert "$long"
check 2 '' '' 'hali: unknown command "\x1b[2J\t"' "$(printf '\033[2J\t')"
long=$(printf '%099999dx' 7)
check 1 "convert,26\n$long\nconvert,\033[2J\377\r\ndensity,35,25" '1 sg 1.02339\n4 density 1023.343' \
    'hali batch: line 2: unknown computation "0000000000000000000000000000000000000000"... (100000 bytes)' batch

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
