#!/bin/sh
# Checks a built library's export table. hali's holds the class CHalin whole: constructors, assignment,
# destructors, the virtual table and every static member. halic's holds exactly the functions halic.h declares,
# and the header gives every quantity an array form.
# Usage: check-exports.sh <hali.dll | libhali.so>, or check-exports.sh <halic.dll | libhalic.so> <halic.h>;
# a PE file is read with objdump (its export table only, not its imports), an ELF file with nm.
set -u
# The table headings that objdump prints are translated in other locales.
export LC_ALL=C
module=$1

case $module in
*.dll|*.exe) exported=$(x86_64-w64-mingw32-objdump -p "$module" |
                        sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
                        sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p') ;;
*)           exported=$(nm -D --defined-only "$module" | awk '{ print $3 }') ;;
esac

extra= no_array_form=
if [ $# -eq 1 ]; then
    declared=$(printf '%s\n' _ZN6CHalinC1Ev _ZN6CHalinC2Ev _ZN6CHalinC1ERKS_ _ZN6CHalinC2ERKS_ _ZN6CHalinaSERKS_ \
        _ZN6CHalinD0Ev _ZN6CHalinD1Ev _ZN6CHalinD2Ev _ZTV6CHalin _ZN6CHalin10GetDensityEddd \
        _ZN6CHalin16GetPotentialTempEddd _ZN6CHalin18GetSpecificGravityEdddddi _ZN6CHalin8GetDepthEdd \
        _ZN6CHalin25GetDissolvedCarbonDioxideEdd _ZN6CHalin10GetVersionEv _ZN6CHalin6ALK2KHEd _ZN6CHalin6KH2ALKEd \
        _ZN6CHalin6meq2mgEd _ZN6CHalin6mg2meqEd _ZN6CHalin6mol2mgEd _ZN6CHalin6mg2molEd)
else
    declared=$(sed -n 's/^HALIC_API[^(]*[ *]\(halic_[a-z0-9_]*\)(.*/\1/p' "$2")
    # A quantity (a double of doubles) has an array form, halic_X_n, whose count and result are ptrdiff_t: the
    # same width as a pointer on every platform.
    quantities=$(sed -n 's/^HALIC_API double \(halic_[a-z0-9_]*\)(double.*/\1/p' "$2")
    array_forms=$(sed -n 's/^HALIC_API ptrdiff_t \(halic_[a-z0-9_]*_n\)(ptrdiff_t n, .*/\1/p' "$2")
    [ -n "$declared" ] && [ -n "$quantities" ] || { echo "no declarations or quantities found in $2"; exit 1; }
    extra=$(printf '%s\n' "$exported" | grep -vxF "$declared")
    no_array_form=$(for name in $quantities; do
                        printf '%s\n' "$array_forms" | grep -qxF "${name}_n" || echo "$name"
                    done)
fi
missing=$(printf '%s\n' "$declared" | grep -vxF "$exported")
for name in $missing; do echo "missing export $name"; done
for name in $extra; do echo "unexpected export $name"; done
for name in $no_array_form; do echo "no array form halic_..._n(ptrdiff_t n, ...) of $name"; done
[ -z "$missing$extra$no_array_form" ]
