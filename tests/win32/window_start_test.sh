#!/usr/bin/env bash
# Usage: window_start_test.sh QUORLANE.EXE
# Wine starts of their own ($WINEPREFIX): on a desktop at 144 dpi the first layout is at 144 dpi;
# start /min (a shortcut's 最小化) keeps the window minimised; a value quoted in a warning as the
# system's ANSI code page reads it (1252 under a Western locale).
set -uo pipefail
for lib in virtual_display wine settings; do source "$(dirname "$0")/../../script/lib/$lib.sh"; done
source "$(dirname "$0")/../check.sh"
wine_start "$WINEPREFIX" || exit 1
work=$(mktemp -d)
trap 'wine_stop; vd_stop; rm -rf "$work"' EXIT
vd_start || exit 1
exe=$(beside_settings "$1" "$work" 3600 7)

state() { xprop -id "$window" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
# start_at DPI [START OPTION...]: starts the program through Wine's start, as a shortcut would, on a
# desktop at DPI; sets $window once it is framed or minimised.
start_at() {
  wine_stop
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  shift
  wine start "$@" /unix "$exe" >/dev/null 2>&1  # /unix takes the next argument as the path
  for _ in $(seq 100); do
    for window in $(xdotool search --name '^Quorlane$' 2>/dev/null); do
      [ "$(state)" = Iconic ] || xprop -id "$window" _NET_FRAME_EXTENTS | grep -q '=' && return
    done 2>/dev/null
    sleep 0.1
  done
  echo "no window appeared with start $*" && exit 1
}

start_at 144
check "client area at 144 dpi" 341x195 "$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')"
start_at 96 /min  # the other window tests share the prefix, at 96 dpi
sleep 1           # and still a second later
check "start /min keeps the window minimised" Iconic "$(state)"
# A value quoted in the ANSI code page: the warning's first line, as written for whoever started it.
mkdir "$work/western" && cp "$1" "$work/western/"
printf '[DATA]\r\nCOST_PER_HOUR=caf\xE9\r\n' >"$work/western/Quorlane.ini"
LC_ALL=C.UTF-8 wine "$work/western/${1##*/}" >/dev/null 2>"$work/warning" &
for _ in $(seq 100); do
  grep -q 'COST_PER_HOUR' "$work/warning" && break
  sleep 0.1
done
kill $! 2>/dev/null
wait $! 2>/dev/null
check "a value quoted as the ANSI code page reads it" "COST_PER_HOUR の値「café」は数値ではありません。" \
  "$(grep -m1 'COST_PER_HOUR' "$work/warning" | tr -d '\r')"  # written in text mode
check_summary
