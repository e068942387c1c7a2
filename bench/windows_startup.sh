#!/usr/bin/env bash
# Usage: bench/windows_startup.sh [RUNS]
# Start-up of Quorlane.exe under Wine against a minimal Win32 window built the same way
# (bench/minimal_window.cpp), on a virtual display (Xvfb + openbox): RUNS starts of each (default
# 15), taken in turn so that both see the same load, timed from the exec of wine until openbox lists
# the window as managed and until it has focused it (bench/lib/window_start.sh). Prints both and the
# ratio of the medians, and Quorlane.exe's size.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=build/mingw
quorlane=$build/src/app/Quorlane.exe
minimal=$build/bench/minimal_window.exe
if [ ! -f "$quorlane" ] || [ ! -f "$minimal" ]; then
  echo "Build both first with: cmake --preset mingw -DQUORLANE_BUILD_BENCHMARKS=ON &&" \
    "cmake --build --preset mingw" >&2
  exit 1
fi

# shellcheck source=script/lib/virtual_display.sh
source script/lib/virtual_display.sh
# shellcheck source=script/lib/wine.sh
source script/lib/wine.sh
# shellcheck source=bench/lib/window_start.sh
source bench/lib/window_start.sh
scratch=$(mktemp -d)
cleanup() {
  window_start_cleanup
  wine_stop
  rm -rf "$scratch"
  vd_stop
}
trap cleanup EXIT
wine_start "$PWD/$build/wine-bench"
vd_start
# One server for all starts; the first start also brings up Wine's desktop process, so it is not
# timed.
wineserver -p
time_one_start wine "$minimal" >/dev/null

for _ in $(seq "$runs"); do
  time_one_start wine "$minimal" >>"$scratch/minimal"
  time_one_start wine "$quorlane" >>"$scratch/quorlane"
done
median() {
  summarise "$1" <"$2" | sed 's/.*median \([0-9.]*\).*/\1/'
}
for name in minimal quorlane; do
  echo "$name, $runs starts under Wine"
  echo "  exec to managed: $(summarise 1 <"$scratch/$name")"
  echo "  exec to focused: $(summarise 2 <"$scratch/$name")"
done
for column in 1 2; do
  echo "ratio of medians, $([ "$column" = 1 ] && echo managed || echo focused):" \
    "$(awk -v q="$(median "$column" "$scratch/quorlane")" -v m="$(median "$column" "$scratch/minimal")" \
      'BEGIN { printf "%.2f", q / m }')"
done
echo "Quorlane.exe: $(stat -c %s "$quorlane") bytes (stripped)," \
  "minimal window: $(stat -c %s "$minimal") bytes"
