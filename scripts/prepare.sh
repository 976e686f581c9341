# Sourced first by the README's commands: stops at the first failure, works in
# the checkout ($root), installs what a fresh Debian 12 machine lacks and
# brings in the Wine session.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
. scripts/install-deps.sh
. scripts/wine-session.sh
install_deps
# glibc looks for the locale archive once per process: a shell that started
# before the Japanese locale was made cannot switch to it, so start afresh.
[ -z "$LOCALE_GENERATED" ] || exec bash "$root/scripts/$(basename "$0")" "$@"
