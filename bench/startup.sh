#!/usr/bin/env bash
# Usage: bench/startup.sh [STARTS]
# Start-up of Quorlane against the floor, STARTS of each (default 15), taken in turn so that both
# see the same load. bench/startup_probe times each from exec until the window is managed and until
# its first paint shows the red of the cost read-out. Then one start of each under callgrind: the
# instructions from exec to exit (start, paint, a second idle, close), which the load does not move.
# shellcheck source=script/lib/bench.sh
source "$(dirname "$0")/../script/lib/bench.sh"
starts=${1:-15}
bench_on_display

# instructions EXE: millions of instructions the program runs from exec to exit.
instructions() {
  open_window valgrind --tool=callgrind --callgrind-out-file="$scratch/callgrind.out" "$1"
  sleep 1
  vd_close "$window" "$launched"
  awk '/^totals:/ { printf "%.1f\n", $2 / 1e6 }' "$scratch/callgrind.out"
}

for _ in $(seq "$starts"); do
  "$bench_bin"/startup_probe ff0000 "$program" >>"$scratch/program"
  "$bench_bin"/startup_probe ff0000 "$floor_exe" >>"$scratch/floor"
done
ratio_table "$scratch/program" "$scratch/floor" ms "Exec to managed (median of $starts)" \
  "Exec to first paint (median of $starts)"
ratio_row "Instructions: exec, first paint, 1 s idle, close (callgrind)" M \
  "$(instructions "$program")" "$(instructions "$floor_exe")"
