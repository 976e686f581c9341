#!/bin/sh
# The hali program as a process: exit codes, results on stdout only, messages on stderr only, and the batch
# mode's bad lines reported while the rest is computed.   check-process.sh <hali> [<runner of the .exe>]
set -u
hali=$1 runner=${2:-}
failures=0 checks=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# check CODE INPUT OUT ERR ARGS...: runs hali ARGS with INPUT on stdin; the exit code must be CODE, stdout OUT
# exactly ("*": anything but nothing), stderr contain ERR ("" for empty). A Windows console's CRs do not count.
check() {
    code=$1 input=$2 out=$3 err=$4
    shift 4
    printf '%b' "$input" | $runner "$hali" "$@" >"$work/out" 2>"$work/err"
    got=$?
    gotOut=$(tr -d '\r' <"$work/out")
    gotErr=$(tr -d '\r' <"$work/err")
    checks=$((checks + 1))
    problem=
    [ "$got" = "$code" ] || problem="exit code $got, not $code"
    if [ "$out" = "*" ]; then
        [ -n "$gotOut" ] || problem="$problem; nothing on stdout"
    else
        [ "$gotOut" = "$(printf '%b' "$out")" ] || problem="$problem; stdout differs"
    fi
    if [ -z "$err" ]; then
        [ -z "$gotErr" ] || problem="$problem; stderr not empty"
    else
        case $gotErr in *"$err"*) ;; *) problem="$problem; stderr lacks: $err" ;; esac
    fi
    if [ -n "$problem" ]; then
        failures=$((failures + 1))
        printf 'FAIL hali %.200s: %s\n--- stdout:\n%.2000s\n--- stderr:\n%.2000s\n' "$*" "$problem" "$gotOut" "$gotErr"
    fi
}

check 0 '' '*' '' --help
check 0 '' '1.02339' '' convert 26
check 1 'convert,26\nnope\nconvert,99\r\ndensity,35,25' '1 sg 1.02339\n4 density 1023.343' \
    'hali batch: line 2: unknown computation nope' batch

# A value is shown quoted and cut: no raw control characters, not 100,000 characters. (A Windows command line
# holds at most 32,767 characters, and its arguments come through the ANSI code page: bytes that are not
# UTF-8 are tried on the input.)
long=$(printf '%029999dx' 7)
check 2 '' '' 'hali convert: --temperature "0000000000000000000000000000000000000000"... (30000 bytes): not a number' \
    convert "$long"
check 2 '' '' 'hali: unknown command "\x1b[2J\t"' "$(printf '\033[2J\t')"
long=$(printf '%099999dx' 7)
check 1 "convert,26\n$long\nconvert,\033[2J\377\n" '1 sg 1.02339' \
    'hali batch: line 2: unknown computation "0000000000000000000000000000000000000000"... (100000 bytes)' batch

# unwritable FROM WHERE ARGS...: input from a pipe or a file (FROM), stdout that cannot be written (WHERE: full, a
# full disk; closed, no stdout at all): exit code 1 and a message on stderr.
unwritable() {
    from=$1 where=$2
    shift 2
    printf 'convert,26\n' >"$work/lines"
    case $from:$where in
        pipe:full) cat "$work/lines" | $runner "$hali" "$@" >/dev/full 2>"$work/err" ;;
        pipe:closed) cat "$work/lines" | $runner "$hali" "$@" >&- 2>"$work/err" ;;
        file:full) $runner "$hali" "$@" <"$work/lines" >/dev/full 2>"$work/err" ;;
        file:closed) $runner "$hali" "$@" <"$work/lines" >&- 2>"$work/err" ;;
    esac
    got=$?
    checks=$((checks + 1))
    if [ "$got" != 1 ] || ! grep -q 'the results cannot be written' "$work/err"; then
        failures=$((failures + 1))
        printf 'FAIL hali %s with stdout %s, input from a %s: exit code %s\n--- stderr:\n%s\n' "$*" "$where" "$from" \
            "$got" "$(cat "$work/err")"
    fi
}
# Each way a command writes its results (a computation, the table, the help texts, the version) on a full disk;
# batch, which reads a pipe and a file each its own way, also without a stdout.
unwritable file full convert 26
unwritable file full table --from 20 --to 30
unwritable file full --help
unwritable file full --version
unwritable file full convert --help
unwritable file closed convert 26
for from in pipe file; do
    for where in full closed; do
        unwritable $from $where batch
        unwritable $from $where batch --format csv
    done
done

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
