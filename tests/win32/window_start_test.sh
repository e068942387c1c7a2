#!/usr/bin/env bash
# Usage: window_start_test.sh QUORLANE.EXE
# Wine starts of their own ($WINEPREFIX): a shortcut's maximise request (start /max) opens the
# fixed-size window normal, a minimise request (start /min) minimised; on a desktop at 144 dpi the
# first layout is at 144 dpi, not 96. The warnings Windows alone gives: a value quoted in the
# system's ANSI code page (1252 under a Western locale), a program run from inside a zip.
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

start_at 144
check "client area at 144 dpi" 341x195 "$(client)"
# At 96 dpi from here on: the prefix is shared with the other window tests.
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
# first_warning EXE [LOCALE]: the warning's first line, as the program writes it for whoever started it.
first_warning() {
  LC_ALL=${2:-$LC_ALL} wine "$1" >/dev/null 2>"$work/warning" &
  local program=$!
  for _ in $(seq 100); do
    grep -q 'COST_PER_HOUR' "$work/warning" && break
    sleep 0.1
  done
  kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null
  grep -m1 'COST_PER_HOUR' "$work/warning" | tr -d '\r'  # written in text mode
}
western=$(beside_settings "$1" "$work/western" 3600 7)
printf '[DATA]\r\nCOST_PER_HOUR=caf\xE9\r\n' >"$work/western/Quorlane.ini"
check "a value quoted as the ANSI code page reads it" \
  "COST_PER_HOUR の値「café」は数値ではありません。" "$(first_warning "$western" C.UTF-8)"
zipped="$work/Temp1_Quorlane-1.0.0-windows-x64.zip"
mkdir -p "$zipped" && cp "$1" "$zipped/"
check "run from inside a zip: extract it first" "設定ファイルが見つからないため、COST_PER_HOUR を読めません。\
zip ファイルの中から起動されています。zip ファイルを右クリックして「すべて展開」を選び、展開したフォルダーの\
 Quorlane.exe を起動してください。" "$(first_warning "$zipped/${1##*/}")"
check_summary
