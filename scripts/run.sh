#!/bin/bash
# Builds Varnok and runs it under Wine in the user's own prefix
# (${VARNOK_WINEPREFIX:-~/.wine-varnok}), so its settings persist between runs.
# With a display, the program opens there. Without one, it runs on a private
# Xvfb display: 26 and Enter are typed into it, the main window and then the
# settings dialog (Ctrl+O) are saved as pictures, their paths printed, and the
# program is closed. The pictures go into the folder given as the first
# argument (the checkout if none): `bash scripts/run.sh docs` renews the README's.
# VARNOK_LANG=en runs it in English (the pictures then end in -en), as a user
# whose interface language is not Japanese sees it.
# `bash scripts/run.sh web` instead builds the page and serves its folder on
# this machine (127.0.0.1, port $VARNOK_WEB_PORT or 8000) until Ctrl+C.
. "$(dirname "$0")/prepare.sh"

if [ "${1:-}" = web ]; then
  cmake --preset web >/dev/null
  cmake --build --preset web -j "$(nproc)" --target web_page
  port=${VARNOK_WEB_PORT:-8000}
  echo "the page: http://127.0.0.1:$port/ (its folder: $root/build/web/page; Ctrl+C ends the server)"
  exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$root/build/web/page" "$port"
fi

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target Varnok
exe="$root/build/windows/bin/Varnok.exe"
# The main window's caption, as the build names it.
caption=$(sed -n 's/^#define VARNOK_CAPTION "\(.*\)"$/\1/p' "$root/build/windows/generated/Identity.h")
prefix=${VARNOK_WINEPREFIX:-$HOME/.wine-varnok}

stop() {
  [ -n "${VARNOK_PID:-}" ] && kill "$VARNOK_PID" 2>/dev/null
  wineserver -k >/dev/null 2>&1 || true
  WINE_PREFIX_TEMP= wine_session_stop # the user's prefix is kept, not deleted
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
until window=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | head -n 1) && [ -n "$window" ]; do
  [ $SECONDS -lt $deadline ] || { echo "Varnok's window did not appear" >&2; exit 1; }
  sleep 0.2
done
eval "$(xdotool getwindowgeometry --shell "$window")"
region_sum() { import -window root png:- | convert png:- -crop "$1" +repage ppm:- | md5sum; }

# Presses a key, then waits until the region has changed and stays as it is.
key_and_settle() {
  local region=$1 key=$2 before previous current deadline
  before=$(region_sum "$region")
  xdotool key "$key"
  deadline=$((SECONDS + 30))
  previous=$before
  while current=$(region_sum "$region"); [ "$current" = "$before" ] || [ "$current" != "$previous" ]; do
    [ $SECONDS -lt $deadline ] || { echo "the window did not settle after $key" >&2; exit 1; }
    previous=$current
    sleep 0.3
  done
}

shots=$(cd "${1:-$root}" && pwd)
main_region="${WIDTH}x${HEIGHT}+${X}+${Y}"
# The settings dialog opens 50 pixels right of and below the main window, 209 x 172.
option_region="209x172+$((X + 50))+$((Y + 50))"

xdotool windowfocus --sync "$window"
xdotool type --delay 50 26
key_and_settle "$main_region" Return
suffix=
[ "${VARNOK_LANG:-ja}" = ja ] || suffix="-$VARNOK_LANG"
import -window root -crop "$main_region" +repage "$shots/varnok-main$suffix.png"
echo "the main window after typing 26 and Enter: $shots/varnok-main$suffix.png"

key_and_settle "$option_region" ctrl+o
import -window root -crop "$option_region" +repage "$shots/varnok-settings$suffix.png"
echo "the settings dialog: $shots/varnok-settings$suffix.png"
xdotool key Escape
# Escape in the main window ends it without saving.
key_and_settle "$option_region" Escape
xdotool key Escape
wait "$VARNOK_PID" || true
VARNOK_PID=
