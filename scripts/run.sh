#!/bin/bash
# Builds Varnok and runs it under Wine in the user's own prefix
# (${VARNOK_WINEPREFIX:-~/.wine-varnok}), so its settings persist between runs.
# With a display, the program opens there. Without one, it runs on a private
# Xvfb display: 26 and Enter are typed into it, a screenshot is saved and its
# path printed, and the program is closed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/install-deps.sh
. scripts/wine-session.sh
install_deps

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target Varnok
exe="$root/build/windows/bin/Varnok.exe"
prefix=${VARNOK_WINEPREFIX:-$HOME/.wine-varnok}

stop() {
  [ -n "${VARNOK_PID:-}" ] && kill "$VARNOK_PID" 2>/dev/null
  wineserver -k >/dev/null 2>&1 || true
  WINE_PREFIX_TEMP= wine_session_stop
}
trap stop EXIT

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  wine_prefix_start "$prefix"
  wine_match_window_manager
  wine "$exe"
  exit 0
fi

xvfb_start
wine_prefix_start "$prefix"
wine_match_window_manager
wine "$exe" >/dev/null 2>&1 &
VARNOK_PID=$!

deadline=$((SECONDS + 60))
until window=$(xdotool search --onlyvisible --name '^Tervane$' 2>/dev/null | head -n 1) && [ -n "$window" ]; do
  [ $SECONDS -lt $deadline ] || { echo "Varnok's window did not appear" >&2; exit 1; }
  sleep 0.2
done
eval "$(xdotool getwindowgeometry --shell "$window")"
region="${WIDTH}x${HEIGHT}+${X}+${Y}"
region_sum() { import -window root png:- | convert png:- -crop "$region" +repage ppm:- | md5sum; }

xdotool windowfocus --sync "$window"
xdotool type --delay 50 26
before=$(region_sum)
xdotool key Return
# Until the window has changed and then stays as it is.
deadline=$((SECONDS + 30))
previous=$before
while current=$(region_sum); [ "$current" = "$before" ] || [ "$current" != "$previous" ]; do
  [ $SECONDS -lt $deadline ] || { echo "the window did not settle after Enter" >&2; exit 1; }
  previous=$current
  sleep 0.3
done

shot="$root/varnok-screenshot.png"
import -window root -crop "$region" +repage "$shot"
echo "screenshot after typing 26 and Enter: $shot"
xdotool key Escape
wait "$VARNOK_PID" || true
VARNOK_PID=
