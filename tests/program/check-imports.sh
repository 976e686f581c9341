#!/bin/sh
# The program takes exactly two members from hali.dll, by name:
# CHalin::GetSpecificGravity and CHalin::GetVersion.
# usage: check-imports.sh <objdump> <Varnok.exe>
set -eu
LC_ALL=C
export LC_ALL
imports=$("$1" -p "$2" | awk '
    /DLL Name:/ { inhali = ($3 == "hali.dll"); next }
    inhali && NF == 3 && $2 ~ /^[0-9]+$/ { print $3 }')
expected="_ZN6CHalin10GetVersionEv
_ZN6CHalin18GetSpecificGravityEdddddi"
actual=$(printf '%s\n' "$imports" | sort)
if [ "$actual" != "$expected" ]; then
    echo "imports from hali.dll:"
    printf '%s\n' "$actual"
    echo "expected:"
    printf '%s\n' "$expected"
    exit 1
fi
echo "hali.dll imports: GetSpecificGravity and GetVersion only"
