#!/bin/bash
# Installs what is missing, builds both flavours and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/install-deps.sh
. scripts/wine-session.sh
install_deps
[ -z "$LOCALE_GENERATED" ] || exec bash "$0" "$@"

cmake --preset native
cmake --build --preset native -j "$(nproc)"
cmake --preset windows
cmake --build --preset windows -j "$(nproc)"

ctest --preset native

trap wine_session_stop EXIT
wine_session_start
ctest --preset windows
