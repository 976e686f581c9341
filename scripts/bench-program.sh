#!/bin/bash
# Measures the program under Wine and prints the figures: start-up and memory
# against a minimal dialog program (program_bench.exe), one calculation's
# latency and the GDI and USER objects over many calculations and dialog
# openings (ui_bench.exe). Installs what is missing and builds the Windows
# flavour first; VARNOK_BENCH_BUILD_DIR builds it elsewhere than build/windows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/install-deps.sh
. scripts/wine-session.sh
install_deps

if [ -n "${VARNOK_BENCH_BUILD_DIR:-}" ]; then
  build=$VARNOK_BENCH_BUILD_DIR
  # The toolchain is named once: a configured folder keeps it.
  if [ -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build"
  else
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
  fi
  cmake --build "$build" -j "$(nproc)"
else
  build=build/windows
  cmake --preset windows
  cmake --build --preset windows -j "$(nproc)"
fi
bin=$(cd "$build/bin" && pwd)

# A private display and a throw-away prefix, ended whatever happens.
trap wine_session_stop EXIT
wine_session_start

status=0
for bench in program_bench.exe ui_bench.exe; do
  echo "== $bench"
  (cd "$bin" && "$root/cmake/wine-run" "./$bench") || { echo "$bench failed (exit $?)"; status=1; }
  echo
done
exit $status
