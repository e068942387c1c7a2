#!/usr/bin/env bash
# Usage: bench/idle.sh [SECONDS]
# Idle cost of Quorlane and the floor, side by side, over SECONDS (default 60) in each phase: just
# opened (the caret blinks in the attendee box), a meeting running, running minimised, and after
# the meeting. CPU is the threads' time on a CPU; a wake-up is a voluntary context switch (a thread
# went to sleep), a preemption an involuntary one (it measures the load more than the program).
# shellcheck source=script/lib/bench.sh
source "$(dirname "$0")/../script/lib/bench.sh"
seconds=${1:-60}
bench_on_display

# usage PID: "CPU-NANOSECONDS WAKE-UPS PREEMPTIONS" so far, over all threads.
usage() {
  cat /proc/"$1"/task/*/schedstat /proc/"$1"/task/*/status | awk '
    NF == 3 { cpu += $1 } /^voluntary_ctxt_switches/ { v += $2 } /^nonvoluntary_ctxt_switches/ { n += $2 }
    END { print cpu, v, n }'
}
# phase NAME: a row for both processes over $seconds.
phase() {
  sleep 2
  local program_before floor_before
  program_before=$(usage "$program_pid") floor_before=$(usage "$floor_pid")
  sleep "$seconds"
  awk -v phase="$1" -v s="$seconds" -v p="$program_before $(usage "$program_pid")" \
    -v f="$floor_before $(usage "$floor_pid")" 'BEGIN {
    split(p, a, " "); split(f, b, " ")
    cpu = (a[4] - a[1]) / 1e9 / s * 100
    printf "| %s | %.3f %% | %.3f %% | %.2f + %.2f /s | %.2f + %.2f /s | %s |\n", phase, cpu,
      (b[4] - b[1]) / 1e9 / s * 100, (a[5] - a[2]) / s, (a[6] - a[3]) / s, (b[5] - b[2]) / s,
      (b[6] - b[3]) / s, cpu < 0.1 ? "met" : "missed" }'
}
threads() {
  awk '/^Threads:/ { print $2 }' "/proc/$1/status"
}

open_window "$floor_exe"
floor_pid=$launched
open_window "$program"
program_pid=$launched
vd_activate "$window"
echo "| Phase, over $seconds s | CPU, Quorlane | CPU, floor | Wake-ups + preemptions, Quorlane" \
  "| Wake-ups + preemptions, floor | CPU under 0.1 % |"
echo "|---|---|---|---|---|---|"
phase "Just opened, caret blinking"
vd_key "$window" alt+s
phase "Meeting running"
xdotool windowminimize "$window"
phase "Meeting running, minimised"
vd_key "$window" alt+s
phase "Meeting stopped"
echo
echo "Threads: Quorlane $(threads "$program_pid"), floor $(threads "$floor_pid")."
vd_close "$window" "$program_pid"
