#!/bin/sh
# Checks that a built halic exports exactly the functions halic.h declares.
# Usage: check-exports.sh <halic.dll | libhalic.so> <halic.h>; a PE file is
# read with objdump (its export table only), an ELF file with nm.
set -u
export LC_ALL=C
module=$1
header=$2

case $module in
*.dll) exported=$(x86_64-w64-mingw32-objdump -p "$module" |
                  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
                  sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort) ;;
*)     exported=$(nm -D --defined-only "$module" | awk '{ print $3 }' | sort) ;;
esac
declared=$(sed -n 's/^HALIC_API[^(]*[ *]\(halic_[a-z0-9_]*\)(.*/\1/p' "$header" | sort)

[ -n "$declared" ] || { echo "no declarations found in $header"; exit 1; }
missing=$(printf '%s\n' "$declared" | grep -vxF "$exported")
extra=$(printf '%s\n' "$exported" | grep -vxF "$declared")
for name in $missing; do echo "missing export $name"; done
for name in $extra; do echo "unexpected export $name"; done
[ -z "$missing$extra" ]
