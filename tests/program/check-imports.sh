#!/bin/sh
# The program takes exactly two members from hali.dll, by name:
# CHalin::GetSpecificGravity and CHalin::GetVersion.
# usage: check-imports.sh <objdump> <Varnok.exe>
set -eu
export LC_ALL=C
actual=$("$1" -p "$2" | awk '
    /DLL Name:/ { inhali = ($3 == "hali.dll"); next }
    inhali && NF == 3 && $2 ~ /^[0-9]+$/ { print $3 }' | sort)
expected="_ZN6CHalin10GetVersionEv
_ZN6CHalin18GetSpecificGravityEdddddi"
[ "$actual" = "$expected" ] || { printf 'imports from hali.dll:\n%s\nexpected:\n%s\n' "$actual" "$expected"; exit 1; }
