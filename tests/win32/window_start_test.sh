#!/usr/bin/env bash
# Usage: window_start_test.sh QUORLANE.EXE
# Wine starts of their own ($WINEPREFIX): a shortcut's maximise request (start /max) opens the
# fixed-size window normal, a minimise request (start /min) minimised; on a desktop at 144 dpi the
# first layout is at 144 dpi, not 96.
set -uo pipefail
for lib in virtual_display wine settings; do source "$(dirname "$0")/../../script/lib/$lib.sh"; done
source "$(dirname "$0")/../check.sh"
wine_start "$WINEPREFIX" || exit 1
work=$(mktemp -d)
trap 'wine_stop; vd_stop; rm -rf "$work"' EXIT
vd_start || exit 1
exe=$(beside_settings "$1" "$work" 3600 7)

# start_at DPI [START OPTION...]: sets the desktop's DPI and starts the program through Wine's
# start, as a shortcut would; sets $window.
start_at() {
  wine_stop
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  shift
  # /unix takes the next argument as the program's path, so the options come before it.
  wine start "$@" /unix "$exe" >/dev/null 2>&1
  window=
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Quorlane$' 2>/dev/null | head -1)
    [ -n "$window" ] && xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '=' && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no window appeared with start $*"; exit 1; }
  sleep 0.5  # the maximise request, if any, lands after the window is mapped
}
client() { xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}'; }
maximised() { xprop -id "$window" _NET_WM_STATE | grep -q MAXIMIZED && echo maximised || echo normal; }

start_at 96 /max
check "start /max opens the window normal" normal "$(maximised)"
check "start /max keeps the client at 96 dpi" 227x130 "$(client)"
# A minimised window is not visible to xdotool; it is iconic about a second after the start, and
# must still be a second later.
wine start /min /unix "$exe" >/dev/null 2>&1
state=
for _ in $(seq 100); do
  for window in $(xdotool search --name '^Quorlane$' 2>/dev/null); do
    state=$(xprop -id "$window" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p')
    [ "$state" = Iconic ] && break 2
  done
  sleep 0.1
done
sleep 1
check "start /min keeps the window minimised" Iconic \
  "$(xprop -id "$window" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p')"
start_at 144
check "client area at 144 dpi" 341x195 "$(client)"
check_summary
