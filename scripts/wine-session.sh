# Sourced by the scripts: a private Xvfb display and a throw-away Wine prefix,
# both ended by process id in wine_session_stop.
WINE_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

free_display() {
  local n
  for n in $(seq 91 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then echo "$n"; return; fi
  done
  return 1
}

# Starts Xvfb on a free display; sets DISPLAY and XVFB_PID.
xvfb_start() {
  local n deadline
  n=$(free_display)
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  deadline=$((SECONDS + 30))
  until xdpyinfo >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.2
  done
}

# Makes the Wine prefix (or uses an existing one), keeps its wineserver running
# (WINESERVER_PID) and sets the font that the dialog templates name.
wine_prefix_start() {
  export WINEPREFIX="$1"
  . "$WINE_SCRIPTS/wine-env.sh"
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # Making a prefix leaves a second service manager running, and RPC never
    # starts: every desktop made later waits ten seconds for it. The prefix
    # is used afresh once made.
    wineboot -i >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Debian's Wine registers none of its own TrueType fonts (Marlett draws the caption buttons, Tahoma is the
  # system's dialog face); a Windows folder of fonts is read whole.
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -f -p >/dev/null 2>&1 &
  WINESERVER_PID=$!
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /t REG_SZ /d 'Ume P Gothic' /f >/dev/null 2>&1
}

# On a display without a window manager Wine places, shows and removes windows
# itself; waiting for a manager that never answers delays every closing window
# and loses repaints.
wine_match_window_manager() {
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
  else
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  fi
}

wine_session_start() {
  xvfb_start
  wine_prefix_start "$(mktemp -d /tmp/varnok-wine.XXXXXX)"
  wine_match_window_manager
  WINE_PREFIX_TEMP=$WINEPREFIX
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  [ -n "${WINESERVER_PID:-}" ] && kill "$WINESERVER_PID" 2>/dev/null && wait "$WINESERVER_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  [ -n "${WINE_PREFIX_TEMP:-}" ] && rm -rf "$WINE_PREFIX_TEMP"
  WINESERVER_PID= XVFB_PID= WINE_PREFIX_TEMP=
  return 0
}
