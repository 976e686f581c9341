#!/bin/bash
# Measures the program under Wine and prints the figures (bench/program):
# start-up and memory against a minimal dialog program, and one calculation
# from Enter to the display repainted. Builds the Windows flavour with the
# benchmarks in build/bench-windows (VARNOK_BENCH_BUILD_DIR to build elsewhere).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${VARNOK_BENCH_BUILD_DIR:-build/bench-windows}

# The toolchain is named once: a configured folder keeps it.
[ -f "$build/CMakeCache.txt" ] || toolchain=-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
cmake -S . -B "$build" ${toolchain:-} -DCMAKE_BUILD_TYPE=Release -DVARNOK_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target program_bench

. scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start
cd "$build/bin" && "$root/cmake/wine-run" ./program_bench.exe
