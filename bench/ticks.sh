#!/usr/bin/env bash
# Usage: bench/ticks.sh [SECONDS]
# Tick accuracy: a meeting of SECONDS (default 600) read from outside through the minimised title,
# each change stamped as it arrives (xprop -spy). At 3,600 yen an hour for one attendee the cost
# counts seconds: every change must step it by one, about a second after the last (a skipped
# second steps by two, a repeated one leaves no change for two seconds).
# shellcheck source=script/lib/bench.sh
source "$(dirname "$0")/../script/lib/bench.sh"
seconds=${1:-600}
bench_on_display
open_window "$(beside_settings "$program_exe" "$scratch/ticker" 3600 1)"
vd_key "$window" alt+s
xdotool windowminimize "$window"
timeout "$seconds" stdbuf -oL xprop -id "$window" -spy _NET_WM_NAME \
  | while read -r line; do
    line=${line#*=}
    echo "${EPOCHREALTIME} ${line//[^0-9]/}"
  done >"$scratch/ticks" || true
vd_close "$window" "$launched"

echo "| Meeting | Title changes | Figures | Steps other than +1 | Shortest / longest gap | Goal |"
echo "|---|---|---|---|---|---|"
awk -v seconds="$seconds" '$2 != "" {
    if (n++) {
      if ($2 != last + 1) bad++
      gap = $1 - when; if (gap > maxgap) maxgap = gap; if (mingap == "" || gap < mingap) mingap = gap
    } else first = $2
    last = $2; when = $1 }
  END {
    printf "| %d s | %d | %d to %d | %d | %.3f s / %.3f s | %s |\n", seconds, n, first, last,
      bad, mingap, maxgap, (bad == 0 && n > 0 && maxgap < 1.5 ? "met" : "missed") }' "$scratch/ticks"
