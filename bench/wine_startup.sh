#!/usr/bin/env bash
# Usage: bench/wine_startup.sh [STARTS]
# Start-up of Quorlane.exe under Wine against its floor (bench/minimal_window.cpp), STARTS of each
# (default 15) taken in turn, with one wineserver for all: from the exec of wine until openbox lists
# the window as managed and until it has focused it. Build both first with
#   cmake --preset bench-mingw && cmake --build --preset bench-mingw
# shellcheck source=script/lib/bench.sh
source "$(dirname "$0")/../script/lib/bench.sh"
source script/lib/wine.sh
starts=${1:-15}
quorlane=build/bench-mingw/src/app/Quorlane.exe
floor=build/bench-mingw/bench/minimal_window.exe
spy=
trap 'kill $spy 2>/dev/null || true; wine_stop; bench_cleanup' EXIT
wine_start build/bench-mingw/wineprefix
vd_start

# time_one_start EXE: starts it once under Wine; prints the microseconds until managed and until
# focused, then closes it.
time_one_start() {
  local line='' start managed='' focused='' window
  coproc root_spy { exec stdbuf -oL xprop -root -spy _NET_ACTIVE_WINDOW _NET_CLIENT_LIST; }
  # shellcheck disable=SC2154 # coproc sets root_spy_PID
  spy=$root_spy_PID
  # The spy first prints the current values, the list last; wait until it holds no earlier window.
  until [[ $line == _NET_CLIENT_LIST* && $line != *0x* ]]; do
    read -r -t 30 line <&"${root_spy[0]}"
  done
  start=${EPOCHREALTIME/./}
  launch wine "$1"
  while [ -z "$focused" ] && read -r -t 30 line <&"${root_spy[0]}"; do
    case $line in
      _NET_CLIENT_LIST*0x*) managed=${managed:-${EPOCHREALTIME/./}} ;;
      _NET_ACTIVE_WINDOW*0x[1-9a-f]*) focused=${EPOCHREALTIME/./} ;;
    esac
  done
  kill "$spy"
  wait "$spy" 2>/dev/null || true
  if [ -z "$managed" ] || [ -z "$focused" ]; then
    echo "$1: the window did not appear" >&2
    return 1
  fi
  echo "$((managed - start)) $((focused - start))"
  window=$(vd_window_of "$launched")
  vd_close "$window" "$launched"
}

# wine_start left a server that outlives each program by half a minute. The first start also
# brings up Wine's desktop process, so it is not timed.
time_one_start "$floor" >/dev/null
for _ in $(seq "$starts"); do
  time_one_start "$floor" >>"$scratch/floor"
  time_one_start "$quorlane" >>"$scratch/quorlane"
done
ratio_table "$scratch/quorlane" "$scratch/floor" ms "Exec to managed (median of $starts)" \
  "Exec to focused (median of $starts)"
echo
for name in quorlane floor; do
  echo "- Spread, $name: exec to managed $(summarise 1 <"$scratch/$name"), to focused" \
    "$(summarise 2 <"$scratch/$name")."
done
echo "- Stripped sizes: Quorlane.exe $(stat -c %s "$quorlane") bytes, floor $(stat -c %s "$floor") bytes."
