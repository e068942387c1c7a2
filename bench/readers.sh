#!/usr/bin/env bash
# Usage: bench/readers.sh
# The readers of untrusted text (bench/settings_bench): throughput must not fall as the input grows.
# shellcheck source=script/lib/bench.sh
source "$(dirname "$0")/../script/lib/bench.sh"
trap bench_cleanup EXIT
echo "| Benchmark | Input | Time (median of 5) | Throughput |"
echo "|---|---|---|---|"
"$bench_bin"/settings_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null | awk -F, '$1 ~ /_median"$/ {
    gsub(/"/, "", $1); split($1, name, "/"); bytes = name[2]
    size = bytes >= 1048576 ? bytes / 1048576 " MiB" : bytes / 1024 " KiB"
    ns = $3 * ($5 == "ms" ? 1e6 : $5 == "us" ? 1e3 : 1)
    time = ns >= 1e6 ? sprintf("%.3g ms", ns / 1e6) : sprintf("%.3g µs", ns / 1e3)
    printf "| `%s` | %s | %s | %.0f MiB/s |\n", name[1], size, time, $6 / 1048576 }'
