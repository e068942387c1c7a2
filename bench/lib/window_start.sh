# shellcheck shell=bash
# Sourced by the start-up benchmarks, after script/lib/virtual_display.sh and vd_start. The caller
# runs window_start_cleanup in its EXIT trap.
program='' spy=''

# Ends what a failed start left running.
window_start_cleanup() {
  if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; fi
  if [ -n "$spy" ]; then kill "$spy" 2>/dev/null || true; fi
}

# Closes the window as a user would and waits for the process to end (killing it after 5 s).
close_program() {
  wmctrl -ic "$1"
  timeout 5 tail -s 0.02 --pid="$program" -f /dev/null || kill "$program"
  wait "$program" 2>/dev/null || true
  program=
}

# time_one_start COMMAND...: starts the program once; prints the microseconds until managed and until
# focused, then closes it.
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
  "$@" >/dev/null 2>&1 &
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

