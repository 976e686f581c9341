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
        printf 'FAIL hali %s: %s\n--- stdout:\n%s\n--- stderr:\n%s\n' "$*" "$problem" "$gotOut" "$gotErr"
    fi
}

check 0 '' '*' '' --help
check 0 '' '1.02339' '' convert 26
check 2 '' '' 'hali convert: --base-temperature 50: outside the range; accepts -2 to 40 degC' \
    convert --base-temperature 50 26
check 1 '' '' 'hali salinity: no answer: ' salinity --sg 1.5 --convention t/4 --temperature 25
check 1 'convert,26\nnope\nconvert,99\r\ndensity,35,25' '1 sg 1.02339\n4 density 1023.343' \
    'hali batch: line 2: unknown computation nope' batch
check 1 'convert,26\nnope\nconvert,99\r\ndensity,35,25' '1 sg 1.02339\n4 density 1023.343' \
    'hali batch: line 3: temperature (field 2) 99: outside the range; accepts -2 to 40 degC' batch

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
