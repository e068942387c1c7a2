#!/usr/bin/env bash
# Usage: window_test.sh PROGRAM
# The built program as a user meets it: on a virtual display with a window manager, beside a
# settings file of its own; Alt+S starts a meeting, the title carries the cost while minimised
# and comes back on restore, Alt+S stops it; WINDOW_TOP_POS=1 pins the window to the corner, above
# others; without a settings file a warning owned by the window comes once it is on screen.
# Quorlane.exe runs under Wine, in the prefix $WINEPREFIX.
set -uo pipefail
program_file=$(realpath "$1")
source "$(dirname "$0")/../../script/lib/virtual_display.sh"
source "$(dirname "$0")/../check.sh"

run=()
name=quorlane
if [[ $program_file == *.exe ]]; then
  source "$(dirname "$0")/../../script/lib/wine.sh"
  wine_start "$WINEPREFIX" || exit 1
  run=(wine)
  name=Quorlane.exe
fi

work=$(mktemp -d)
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  [ ${#run[@]} -eq 0 ] || wine_stop
  vd_stop
  rm -rf "$work"
}
trap cleanup EXIT
vd_start || exit 1

# launch COST MEMBERS TOP_POS: starts a copy of the program beside those settings, or beside none
# with "launch none"; sets $window.
launch() {
  [ -n "$program" ] && kill "$program" 2>/dev/null && wait "$program" 2>/dev/null
  cp "$program_file" "$work/$name"
  rm -f "$work/Quorlane.ini"
  [ "$1" = none ] || printf '[DATA]\r\nCOST_PER_HOUR=%s\r\nMEMBER_COUNT=%s\r\nWINDOW_TOP_POS=%s\r\n' \
    "$1" "$2" "$3" >"$work/Quorlane.ini"
  "${run[@]}" "$work/$name" >"$work/log" 2>&1 &
  program=$!
  window=$(vd_window_of "$program") || { echo "no window appeared"; cat "$work/log"; exit 1; }
}

# wait_for_title TEXT-PATTERN: polls the title for up to 3 s; prints the last one seen.
wait_for_title() {
  local title tries
  for tries in $(seq 30); do
    title=$(vd_title "$window")
    [[ "$title" =~ $1 ]] && break
    sleep 0.1
  done
  echo "$title"
}

frame_corner() {
  vd_frame "$window" | awk '{print $1, $2}'
}

above() {
  xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && echo above || echo normal
}

# A meeting: 3,600 yen an hour, 2 attendees, so the title's yen count is twice the seconds.
launch 3600 2 0
check "title at start-up" "Quorlane" "$(vd_title "$window")"
check "client area at 96 dpi" "227 130" "$(xwininfo -id "$window" \
  | awk -F: '/Width/ {w = $2} /Height/ {h = $2} END {print w + 0, h + 0}')"
check "unpinned window stays where the manager put it" "normal" "$(above)"
# Wine places a new window in the screen's corner itself, so only "above" tells a pinned one there.
if [ ${#run[@]} -eq 0 ]; then
  corner=$(frame_corner)
  check "unpinned window is not in the corner" yes "$([ "$corner" != "0 0" ] && echo yes || echo "$corner")"
fi
vd_activate "$window"
xdotool key --clearmodifiers alt+s
sleep 1.5
xdotool windowminimize --sync "$window"
minimised=$(wait_for_title '^\\[0-9,]+$')
check "minimised title shape" yes "$([[ "$minimised" =~ ^\\[0-9,]+$ ]] && echo yes || echo "$minimised")"
yen=${minimised#\\}
yen=${yen//,/}
check "minimised title is an even cost of a few seconds" yes \
  "$([ -n "$yen" ] && [ "$yen" -ge 2 ] && [ "$yen" -le 20 ] && [ $((yen % 2)) -eq 0 ] && echo yes || echo "$minimised")"
sleep 2
later=$(vd_title "$window")
later=${later#\\}
later=${later//,/}
check "the cost keeps rising while minimised" yes "$([ "${later:-0}" -gt "$yen" ] && echo yes || echo "$later")"
wmctrl -ia "$window"
check "title after restore" "Quorlane" "$(wait_for_title '^Quorlane$')"
vd_activate "$window"
xdotool key --clearmodifiers alt+s
xdotool windowminimize --sync "$window"
sleep 1.5
check "Alt+S under the stop caption stops the meeting" "Quorlane" "$(vd_title "$window")"

launch 3600 2 1
check "pinned window is above others" "above" "$(above)"
[ ${#run[@]} -eq 0 ] && check "pinned window's frame is in the corner" "0 0" "$(frame_corner)"
xdotool windowminimize --sync "$window"
wmctrl -ia "$window"
sleep 0.3
check "pinned window is still above after restore" "above" "$(above)"

launch none
for _ in $(seq 50); do
  warning=$(xdotool search --onlyvisible --pid "$program" | grep -vx "$window" | head -1)
  [ -n "$warning" ] && break
  sleep 0.1
done
owner=$(xprop -id "${warning:-0}" WM_TRANSIENT_FOR 2>/dev/null | awk '/window id/ {print $NF}')
check "a warning owned by the window" "$window" "$(printf '%d' "${owner:-0}")"
check "the window is on screen under the warning" IsViewable \
  "$(xwininfo -id "$window" | awk '/Map State/ {print $3}')"
check "title without a settings file" "Quorlane" "$(vd_title "$window")"

check_summary
