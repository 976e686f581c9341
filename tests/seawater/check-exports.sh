#!/bin/sh
# Checks that a built hali exports the class CHalin whole: constructors,
# assignment, destructors, the virtual table and every static member.
# Usage: check-exports.sh <hali.dll | libhali.so>; a PE file is read with
# objdump (its export table only, not its imports), an ELF file with nm.
set -u
# The table headings that objdump prints are translated in other locales.
export LC_ALL=C
module=$1

case $module in
*.dll|*.exe) names=$(x86_64-w64-mingw32-objdump -p "$module" |
                     sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
                     sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p') ;;
*)           names=$(nm -D --defined-only "$module" | awk '{ print $3 }') ;;
esac

missing=$(for symbol in \
    _ZN6CHalinC1Ev _ZN6CHalinC2Ev _ZN6CHalinC1ERKS_ _ZN6CHalinC2ERKS_ _ZN6CHalinaSERKS_ \
    _ZN6CHalinD0Ev _ZN6CHalinD1Ev _ZN6CHalinD2Ev _ZTV6CHalin \
    _ZN6CHalin10GetDensityEddd _ZN6CHalin16GetPotentialTempEddd _ZN6CHalin18GetSpecificGravityEdddddi \
    _ZN6CHalin8GetDepthEdd _ZN6CHalin25GetDissolvedCarbonDioxideEdd _ZN6CHalin10GetVersionEv \
    _ZN6CHalin6ALK2KHEd _ZN6CHalin6KH2ALKEd _ZN6CHalin6meq2mgEd _ZN6CHalin6mg2meqEd \
    _ZN6CHalin6mol2mgEd _ZN6CHalin6mg2molEd
do
    printf '%s\n' "$names" | grep -qx "$symbol" || echo "missing export $symbol"
done)
[ -z "$missing" ] || { echo "$missing"; exit 1; }
