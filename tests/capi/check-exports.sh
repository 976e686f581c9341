#!/bin/sh
# Checks that a built halic exports exactly the functions halic.h declares,
# and that the header gives every quantity an array form.
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

# A quantity (a double of doubles) has an array form, halic_X_n, whose count
# and result are ptrdiff_t: the same width as a pointer on every platform.
quantities=$(sed -n 's/^HALIC_API double \(halic_[a-z0-9_]*\)(double.*/\1/p' "$header")
array_forms=$(sed -n 's/^HALIC_API ptrdiff_t \(halic_[a-z0-9_]*_n\)(ptrdiff_t n, .*/\1/p' "$header")

[ -n "$declared" ] || { echo "no declarations found in $header"; exit 1; }
[ -n "$quantities" ] || { echo "no quantities found in $header"; exit 1; }
missing=$(printf '%s\n' "$declared" | grep -vxF "$exported")
extra=$(printf '%s\n' "$exported" | grep -vxF "$declared")
no_array_form=$(for name in $quantities; do printf '%s\n' "$array_forms" | grep -qxF "${name}_n" || echo "$name"; done)
for name in $missing; do echo "missing export $name"; done
for name in $extra; do echo "unexpected export $name"; done
for name in $no_array_form; do echo "no array form halic_..._n(ptrdiff_t n, ...) of $name"; done
[ -z "$missing$extra$no_array_form" ]
