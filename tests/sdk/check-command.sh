#!/bin/sh
# Runs the command installed in a prefix as a user would, with nothing set in the environment to find its
# libraries (they must be found from where the command lies), and checks its version (VARNOK_VERSION) and one
# computation, the README's worked example:
#   check-command.sh <command> [<runner of the .exe>]
set -eu
command=$1 runner=${2:-}
run() { env -u LD_LIBRARY_PATH ${runner:+"$runner"} "$command" "$@" | tr -d '\r'; }

version=$(run --version)
[ "$version" = "hali $VARNOK_VERSION" ] || { echo "$command --version printed: $version"; exit 1; }
result=$(run convert 26)
[ "$result" = 1.02339 ] || { echo "$command convert 26 printed: $result"; exit 1; }
