#!/usr/bin/env bash
# Usage: window_test.sh PROGRAM [SETTINGS]
# The built program as a user meets it: on a virtual display with a window manager, beside a
# settings file of its own; Alt+S starts a meeting, the title carries the cost while minimised
# and comes back on restore; WINDOW_TOP_POS=1 pins the window to the corner, above others.
# With SETTINGS the program runs where it lies, and that is the file it must read (an unpacked
# package's /etc file, reached through a link); otherwise a copy runs beside a file of its own.
set -uo pipefail
program_file=$(realpath -s "$1")
settings=${2:-}
source "$(dirname "$0")/../../script/lib/virtual_display.sh"

passed=0
failed=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $1: expected '$2', got '$3'"
  fi
}

work=$(mktemp -d)
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  vd_stop
  rm -rf "$work"
}
trap cleanup EXIT
vd_start || exit 1

# launch COST MEMBERS TOP_POS: writes those settings and starts the program; sets $window.
launch() {
  [ -n "$program" ] && kill "$program" 2>/dev/null && wait "$program" 2>/dev/null
  local exe=$program_file ini=${settings:-$work/Quorlane.ini}
  if [ -z "$settings" ]; then exe=$work/quorlane && cp "$program_file" "$exe"; fi
  printf '[DATA]\r\nCOST_PER_HOUR=%s\r\nMEMBER_COUNT=%s\r\nWINDOW_TOP_POS=%s\r\n' "$1" "$2" "$3" \
    >"$ini"
  "$exe" >"$work/log" 2>&1 &
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

# A meeting: 3,600 yen an hour, 7 attendees, so the title's yen count is seven times the seconds
# (the attendee box's design-time 5 would make it a multiple of 5).
launch 3600 7 0
check "title at start-up" "Quorlane" "$(vd_title "$window")"
check "client area at 96 dpi" "227 130" "$(xwininfo -id "$window" \
  | awk -F: '/Width/ {w = $2} /Height/ {h = $2} END {print w + 0, h + 0}')"
check "unpinned window stays where the manager put it" "normal" "$(above)"
corner=$(frame_corner)
check "unpinned window is not in the corner" yes "$([ "$corner" != "0 0" ] && echo yes || echo "$corner")"
timeout 5 xdotool windowactivate --sync "$window" >/dev/null
xdotool key --clearmodifiers alt+s
sleep 1.5
xdotool windowminimize --sync "$window"
minimised=$(wait_for_title '^\\[0-9,]+$')
check "minimised title shape" yes "$([[ "$minimised" =~ ^\\[0-9,]+$ ]] && echo yes || echo "$minimised")"
yen=${minimised#\\}
yen=${yen//,/}
check "minimised title is the cost of 7 for a few seconds" yes \
  "$([ -n "$yen" ] && [ "$yen" -ge 7 ] && [ "$yen" -le 63 ] && [ $((yen % 7)) -eq 0 ] && echo yes || echo "$minimised")"
sleep 2
later=$(vd_title "$window")
later=${later#\\}
later=${later//,/}
check "the cost keeps rising while minimised" yes "$([ "${later:-0}" -gt "$yen" ] && echo yes || echo "$later")"
wmctrl -ia "$window"
check "title after restore" "Quorlane" "$(wait_for_title '^Quorlane$')"
check "no warning window beside the main one" 1 "$(xdotool search --onlyvisible --pid "$program" | wc -l)"

launch 3600 2 1
check "pinned window is above others" "above" "$(above)"
check "pinned window's frame is in the corner" "0 0" "$(frame_corner)"
xdotool windowminimize --sync "$window"
wmctrl -ia "$window"
sleep 0.3
check "pinned window is still above after restore" "above" "$(above)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
