#!/usr/bin/env bash
# Usage: bench/sizes.sh
# The Linux executables' sizes as built and stripped (Qt is linked as shared libraries).
# shellcheck source=script/lib/bench.sh
source "$(dirname "$0")/../script/lib/bench.sh"
trap bench_cleanup EXIT
echo "| Executable | As built | Stripped |"
echo "|---|---|---|"
for exe in "$program_exe" "$floor_exe"; do
  strip -o "$scratch/stripped" "$exe"
  echo "| \`${exe##*/}\` | $(stat -c %s "$exe") bytes | $(stat -c %s "$scratch/stripped") bytes |"
done
