#!/usr/bin/env bash
# Usage: bench/startup.sh [RUNS] [EXECUTABLE]
# Start-up time, memory and size of the optimised program, on a virtual display (Xvfb + openbox).
# Start-up is timed RUNS times (default 20) from just before exec until openbox lists the window
# as a managed client (_NET_CLIENT_LIST) and until it has focused it (_NET_ACTIVE_WINDOW, which
# needs the window mapped). An `xprop -spy` on the root window reports both changes as they happen;
# each line is stamped with bash's $EPOCHREALTIME, so no polling interval limits the resolution.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
exe=${2:-build/release/src/app/quorlane}
if [ ! -x "$exe" ]; then
  echo "$exe is missing. Build it with: cmake --preset release &&" \
    "cmake --build --preset release --target quorlane" >&2
  exit 1
fi

# shellcheck source=script/lib/virtual_display.sh
source script/lib/virtual_display.sh
# shellcheck source=bench/lib/window_start.sh
source bench/lib/window_start.sh
scratch=$(mktemp -d)
cleanup() {
  window_start_cleanup
  rm -rf "$scratch"
  vd_stop
}
trap cleanup EXIT
vd_start

for _ in $(seq "$runs"); do time_one_start "$exe"; done >"$scratch/times"
echo "start-up, $runs runs of $exe"
echo "  exec to managed: $(summarise 1 <"$scratch/times")"
echo "  exec to focused: $(summarise 2 <"$scratch/times")"

"$exe" >/dev/null 2>&1 &
program=$!
window=$(vd_window_of "$program")
vd_activate "$window"
xdotool key --clearmodifiers alt+s
sleep 2
memory=$(awk '/^(VmHWM|VmRSS|RssAnon|RssFile):/ { out = out sep $1 " " $2 " KiB"; sep = ", " }
  END { print out }' "/proc/$program/status")
echo "memory 2 s into a meeting: $memory"
close_program "$window"

strip -o "$scratch/stripped" "$exe"
echo "executable: $(stat -c %s "$exe") bytes, stripped $(stat -c %s "$scratch/stripped") bytes"
