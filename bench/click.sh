#!/usr/bin/env bash
# Usage: bench/click.sh [CLICKS]
# Click to new caption in the real window (bench/click_probe), on a virtual display: the median and
# the slowest of CLICKS clicks (default 41). Goal: under 100 ms each.
# shellcheck source=script/lib/bench.sh
source "$(dirname "$0")/../script/lib/bench.sh"
clicks=${1:-41}
bench_on_display
"$bench_bin"/click_probe "$clicks" >"$scratch/clicks"
slowest=$(sort -g "$scratch/clicks" | tail -n 1)
echo "| Clicks | Median | Slowest | Goal: each under 100 ms |"
echo "|---|---|---|---|"
awk -v n="$clicks" -v median="$(median_in ms 1 "$scratch/clicks")" -v slowest="$slowest" 'BEGIN {
  printf "| %d | %.2f ms | %.2f ms | %s |\n", n, median, slowest / 1000, slowest < 100000 ? "met" : "missed" }'
