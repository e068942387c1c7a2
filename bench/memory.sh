#!/usr/bin/env bash
# Usage: bench/memory.sh [ROUNDS]
# RSS and PSS (/proc/PID/smaps_rollup) of Quorlane 10 s into a meeting and of the floor 10 s after
# its start, one after the other, ROUNDS times (default 3); prints the medians against the floor.
# Nothing else of ours may run meanwhile, or shared pages would be split with it.
# shellcheck source=script/lib/bench.sh
source "$(dirname "$0")/../script/lib/bench.sh"
rounds=${1:-3}
bench_on_display

# rss_pss EXE [KEY]: "RSS PSS" in KiB, 10 s after the start (and after pressing KEY).
rss_pss() {
  open_window "$1"
  [ -z "${2:-}" ] || vd_key "$window" "$2"
  sleep 10
  awk '/^Rss:/ { r = $2 } /^Pss:/ { p = $2 } END { print r, p }' "/proc/$launched/smaps_rollup"
  vd_close "$window" "$launched"
}
for _ in $(seq "$rounds"); do
  rss_pss "$program" alt+s >>"$scratch/program"
  rss_pss "$floor_exe" >>"$scratch/floor"
done
ratio_table "$scratch/program" "$scratch/floor" KiB "RSS (median of $rounds)" "PSS (median of $rounds)"
