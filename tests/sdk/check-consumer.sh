#!/bin/sh
# Builds the client in consumer/ against an installed hali SDK and checks what it prints (the
# version it should report in VARNOK_VERSION):
#   check-consumer.sh cmake <cmake> <prefix> <work dir> [<toolchain file> <runner of the .exe>]
#   check-consumer.sh pkg-config <c++ compiler> <prefix> <work dir>
set -eu
here=$(cd "$(dirname "$0")" && pwd)
mode=$1 tool=$2 prefix=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
case $mode in
cmake)
    "$tool" -S "$here/consumer" -B "$work" -DCMAKE_PREFIX_PATH="$prefix" ${5:+"-DCMAKE_TOOLCHAIN_FILE=$5"} >/dev/null
    "$tool" --build "$work"
    # Cross-compiled, the program runs through the runner.
    out=$(${6:+"$6"} "$work/hali_consumer${6:+.exe}") ;;
pkg-config)
    export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
    # pkg-config escapes the spaces of the prefix for a shell to read back.
    eval "set -- $(pkg-config --cflags --libs hali)"
    "$tool" -o "$work/hali_consumer" "$here/consumer/main.cpp" "$@"
    out=$(LD_LIBRARY_PATH="$prefix/lib" "$work/hali_consumer") ;;
esac

# Carriage returns of a Windows console are not part of the values.
[ "$(printf '%s\n' "$out" | tr -d '\r')" = "$(printf 'density 1023.343\nversion %s' "$VARNOK_VERSION")" ] ||
    { printf 'the client printed:\n%s\n' "$out"; exit 1; }
