#!/usr/bin/env bash
# Usage: window_test.sh PROGRAM [SETTINGS]
# The built program as a user meets it, on a virtual display with a window manager (Quorlane.exe
# under Wine in $WINEPREFIX). With SETTINGS it runs where it lies and must read that file (as
# installed, through a link); otherwise a copy runs beside a file of its own.
set -uo pipefail
program_file=$(realpath -s "$1")
settings=${2:-}
for lib in virtual_display wine settings; do source "$(dirname "$0")/../../script/lib/$lib.sh"; done
source "$(dirname "$0")/../check.sh"
wine_for "$program_file" "${WINEPREFIX:-}" || exit 1
work=$(mktemp -d)
program=
trap '[ -n "$program" ] && kill "$program" 2>/dev/null; [ ${#run[@]} -eq 0 ] || wine_stop; vd_stop
  rm -rf "$work"' EXIT
vd_start || exit 1
exe=$program_file ini=$settings
[ -n "$settings" ] || { exe=$(beside_settings "$program_file" "$work" 0 0) ini=$work/Quorlane.ini; }

# start: runs the program beside whatever stands at Quorlane.ini; sets $window and $started_ms.
start() {
  [ -n "$program" ] && kill "$program" 2>/dev/null && wait "$program" 2>/dev/null
  local t0=${EPOCHREALTIME//[!0-9]/}
  "${run[@]}" "$exe" >"$work/log" 2>&1 &
  program=$!
  window=$(vd_window_of "$program") || { echo "no window appeared"; cat "$work/log"; exit 1; }
  started_ms=$(((${EPOCHREALTIME//[!0-9]/} - t0) / 1000))
}
# launch COST MEMBERS TOP_POS, or launch none: starts the program beside those settings or none.
launch() { rm -rf "$ini" && { [ "$1" = none ] || write_settings "$ini" "$@"; } && start; }
# wait_title REGEX [PAST]: the title once it matches and is no longer PAST (up to 3 s), or the last.
wait_title() {
  local title
  for _ in $(seq 30); do
    title=$(vd_title "$window")
    [[ "$title" =~ $1 && "$title" != "${2-}" ]] && break
    sleep 0.1
  done
  echo "$title"
}
corner() { vd_frame "$window" | awk '{print $1, $2}'; }
above() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && echo above || echo no; }
# warning_owner: the window that owns the program's other window, once there is one (up to 5 s).
warning_owner() {
  local warning
  for _ in $(seq 50); do
    warning=$(xdotool search --onlyvisible --pid "$program" | grep -vx "$window" | head -1)
    [ -n "$warning" ] && break
    sleep 0.1
  done
  printf '%d' "$(xprop -id "${warning:-0}" WM_TRANSIENT_FOR 2>/dev/null | awk '/window id/ {print $NF}')"
}
# shellcheck disable=SC2053 # logged NAME GLOB: the program's output matches GLOB.
logged() { check "$1" yes "$([[ "$(cat "$work/log")" == $2 ]] && echo yes || cat "$work/log")"; }

# state EXPECTED: the minimised title: "running:N" for a rising cost, a multiple of N (3,600 yen an
# hour, N attendees), "stopped" for the program's name; then restores and refocuses the window.
state() {
  local shown title later
  xdotool windowminimize --sync "$window"
  shown=$(wait_title '^¥[0-9,]+$')
  title=$(tr -d '¥,' <<<"$shown")
  if [[ $title == Quorlane ]]; then
    echo stopped
  elif [[ $1 == running:* && $title =~ ^[0-9]+$ ]] && ((title > 0 && title % ${1#running:} == 0)); then
    later=$(wait_title '^¥[0-9,]+$' "$shown" | tr -d '¥,')
    [[ $later =~ ^[0-9]+$ ]] && ((later > title)) && echo "$1" || echo "title $title, then $later"
  else
    echo "title $title"
  fi
  wmctrl -ia "$window"
  [ "$(wait_title '^Quorlane$')" = Quorlane ] || echo "title after restore: $(vd_title "$window")"
  vd_activate "$window"
}

# The keyboard alone, the first focus in the attendee box (7). Each row: keys, then the state.
launch 3600 7 0
check "title at start-up" "Quorlane" "$(vd_title "$window")"
check "client area at 96 dpi" 227x130 "$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')"
check "unpinned window is not above others" no "$(above)"
# Wine places a new window in the screen's corner itself, so only "above" tells a pinned one there.
[ ${#run[@]} -eq 0 ] && check "unpinned window is not in the corner" yes \
  "$([ "$(corner)" != "0 0" ] && echo yes || corner)"
vd_activate "$window"
while IFS='|' read -r keys expected name; do
  # A character that no key makes is typed as an input method commits it. xdotool gives it a spare
  # key for as long as the delay: short, and the program reads the key after it is taken back.
  for key in $keys; do
    if [[ $key == *[^[:ascii:]]* ]]; then
      xdotool type --delay 300 "$key"
    else
      xdotool key --clearmodifiers "$key"
    fi
  done
  sleep 0.5  # the click lands a moment after the key; minimising first would swallow it
  check "$name" "$expected" "$(state "$expected")"
done <<'ROWS'
ctrl+a ８ alt+s|running:8|a full-width digit, as an input method commits it, then Alt+S starts a meeting
alt+s|stopped|Alt+S under the stop caption stops it
space|running:8|Space presses the button, which has the focus once the box is greyed out
Return|stopped|Enter presses the focused button
Tab 3 Tab Return|running:3|Tab reaches the box, typing replaces its text, Tab reaches the button
Return Tab x Tab Return 4 alt+s|running:4|a count that does not convert hands the box the focus, its text selected
ROWS
check "no warning window beside the main one" 1 "$(xdotool search --onlyvisible --pid "$program" | wc -l)"

launch 3600 2 1
check "pinned window is above others" above "$(above)"
[ ${#run[@]} -eq 0 ] && check "pinned window's frame is in the corner" "0 0" "$(corner)"
xdotool windowminimize --sync "$window"
wmctrl -ia "$window"
for _ in $(seq 30); do  # until the window manager no longer holds it hidden
  xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN || break
  sleep 0.1
done
check "pinned window is still above after restore" above "$(above)"

launch none
check "a warning owned by the window" "$window" "$(warning_owner)"
check "the window is on screen under the warning" IsViewable \
  "$(xwininfo -id "$window" | awk '/Map State/ {print $3}')"
check "title without a settings file" "Quorlane" "$(vd_title "$window")"
logged "the warning on standard error too" "*設定ファイルが見つからないため*"$'\n'"*Quorlane.ini*"
# Installed by the .deb, the program looks at a link; the warning names the file to edit as well.
[ -L "$(dirname "$(realpath "$exe")")/Quorlane.ini" ] &&
  logged "the warning names the file the link leads to" "*（編集するファイル）: $settings"

# Hostile settings files: the window opens within a second more than the plain start (or three of
# them: a busy machine slows both alike); a warning owned by the window names the problem.
[ ${#run[@]} -eq 0 ] && [ -z "$settings" ] || { check_summary; exit; }
limit_ms=$((started_ms * 3 > started_ms + 1000 ? started_ms * 3 : started_ms + 1000))
hostile() {  # hostile NAME PROBLEM: the caller has put something hostile at Quorlane.ini
  start
  check "$1: window opens promptly" yes "$([ "$started_ms" -le "$limit_ms" ] && echo yes || echo "$started_ms")"
  check "$1: a warning owned by the window" "$window" "$(warning_owner)"
  logged "$1: warning" "*$2"$'\n'"$ini*"
}
unreadable="設定ファイルを読み込めないため、COST_PER_HOUR を読めません。"
rm -rf "$ini" && mkfifo "$ini" && hostile fifo "$unreadable"
for target in /dev/zero /dev/urandom Quorlane.ini; do  # the last makes a loop
  rm -rf "$ini" && ln -s "$target" "$ini" && hostile "link to $target" "$unreadable"
done
rm -rf "$ini" && mkdir "$ini" && hostile directory "$unreadable"
# 200 MB, nearly all of it a hole of NUL bytes inside a key's name: the value after it is read.
rm -rf "$ini" && printf '[DATA]\r\nCOST_PER_HOUR=3600\r\nMEMBER_COUNT' >"$ini"
truncate -s 200M "$ini" && printf '=7x\r\n' >>"$ini"
hostile "200 MB" "MEMBER_COUNT の値「7x」は数値ではありません。"

check_summary
