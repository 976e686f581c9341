#!/bin/sh
# Builds the clients in consumer/ (C++ on hali, C on halic) against an installed hali SDK and checks what
# they print (the version they should report in VARNOK_VERSION):
#   check-consumer.sh cmake <cmake> <prefix> <work dir> [<toolchain file> <runner of the .exe>]
#   check-consumer.sh pkg-config <c++ compiler> <prefix> <work dir> <c compiler>
set -eu
here=$(cd "$(dirname "$0")" && pwd)
mode=$1 tool=$2 prefix=$3 work=$4 runner= exe=
rm -rf "$work"
mkdir -p "$work"
case $mode in
cmake)
    "$tool" -S "$here/consumer" -B "$work" -DCMAKE_PREFIX_PATH="$prefix" ${5:+"-DCMAKE_TOOLCHAIN_FILE=$5"} >/dev/null
    "$tool" --build "$work"
    # Cross-compiled, the programs run through the runner.
    [ -z "${6:-}" ] || runner=$6 exe=.exe ;;
pkg-config)
    cc=$5
    export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
    # pkg-config escapes the spaces of the prefix for a shell to read back.
    eval "set -- $(pkg-config --cflags --libs hali)"
    "$tool" -o "$work/hali_consumer" "$here/consumer/main.cpp" "$@"
    eval "set -- $(pkg-config --cflags --libs halic)"
    "$cc" -o "$work/halic_consumer" "$here/consumer/halic_consumer.c" "$@"
    export LD_LIBRARY_PATH="$prefix/lib" ;;
esac
out=$(for program in hali_consumer halic_consumer; do ${runner:+"$runner"} "$work/$program$exe"; done)

# Carriage returns of a Windows console are not part of the values.
[ "$(printf '%s\n' "$out" | tr -d '\r')" = "$(printf 'density 1023.343\nversion %s\nsg 1.02637\nversion %s' \
    "$VARNOK_VERSION" "$VARNOK_VERSION")" ] || { printf 'the clients printed:\n%s\n' "$out"; exit 1; }
