#!/bin/bash
# Installs what is missing, builds both flavours and runs every test.
. "$(dirname "$0")/prepare.sh"

cmake --preset native
cmake --build --preset native -j "$(nproc)"
cmake --preset windows
cmake --build --preset windows -j "$(nproc)"

ctest --preset native

trap wine_session_stop EXIT
wine_session_start
ctest --preset windows
