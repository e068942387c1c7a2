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
program='' spy='' scratch=$(mktemp -d)
cleanup() {
  if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; fi
  if [ -n "$spy" ]; then kill "$spy" 2>/dev/null || true; fi
  rm -rf "$scratch"
  vd_stop
}
trap cleanup EXIT
vd_start

# Closes the window as a user would and waits for the process to end (killing it after 5 s).
close_program() {
  wmctrl -ic "$1"
  timeout 5 tail -s 0.02 --pid="$program" -f /dev/null || kill "$program"
  wait "$program" 2>/dev/null || true
  program=
}

# Starts the program once; prints the microseconds until managed and until focused.
time_one_start() {
  local line='' start managed='' focused=''
  coproc root_spy { exec stdbuf -oL xprop -root -spy _NET_ACTIVE_WINDOW _NET_CLIENT_LIST; }
  # shellcheck disable=SC2154 # coproc sets root_spy_PID
  spy=$root_spy_PID
  # The spy first prints the current values, the list last; wait until it holds no earlier window.
  until [[ $line == _NET_CLIENT_LIST* && $line != *0x* ]]; do
    read -r -t 10 line <&"${root_spy[0]}"
  done
  start=${EPOCHREALTIME/./}
  "$exe" >/dev/null 2>&1 &
  program=$!
  while [ -z "$focused" ] && read -r -t 10 line <&"${root_spy[0]}"; do
    case $line in
      _NET_CLIENT_LIST*0x*) managed=${managed:-${EPOCHREALTIME/./}} ;;
      _NET_ACTIVE_WINDOW*0x[1-9a-f]*) focused=${EPOCHREALTIME/./} ;;
    esac
  done
  kill "$spy"
  wait "$spy" 2>/dev/null || true
  spy=
  if [ -z "$managed" ] || [ -z "$focused" ]; then
    echo "the window did not appear" >&2
    return 1
  fi
  echo "$((managed - start)) $((focused - start))"
  close_program "$(vd_window_of "$program")"
}

# Prints "min MIN  median MEDIAN  max MAX" in ms of the microsecond figures in column $1 of stdin.
summarise() {
  sort -n -k"$1" | awk -v c="$1" '{ v[NR] = $c / 1000 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "min %.1f  median %.1f  max %.1f ms\n", v[1], m, v[NR] }'
}

for _ in $(seq "$runs"); do time_one_start; done >"$scratch/times"
echo "start-up, $runs runs of $exe"
echo "  exec to managed: $(summarise 1 <"$scratch/times")"
echo "  exec to focused: $(summarise 2 <"$scratch/times")"

"$exe" >/dev/null 2>&1 &
program=$!
window=$(vd_window_of "$program")
timeout 5 xdotool windowactivate --sync "$window"
xdotool key --clearmodifiers alt+s
sleep 2
memory=$(awk '/^(VmHWM|VmRSS|RssAnon|RssFile):/ { out = out sep $1 " " $2 " KiB"; sep = ", " }
  END { print out }' "/proc/$program/status")
echo "memory 2 s into a meeting: $memory"
close_program "$window"

strip -o "$scratch/stripped" "$exe"
echo "executable: $(stat -c %s "$exe") bytes, stripped $(stat -c %s "$scratch/stripped") bytes"
