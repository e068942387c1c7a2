# shellcheck shell=bash
# Sourced by scripts that need an X display of their own: Xvfb with openbox.
# vd_start exports DISPLAY; vd_stop (also run from the caller's EXIT trap) ends every process
# started here. A watchdog ends Xvfb should the caller die without running its trap.

vd_pids=()

vd_stop() {
  local pid
  for pid in "${vd_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${vd_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  vd_pids=()
}

vd_wm_ready() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

vd_try_start() {
  local fifo display_number
  fifo=$(mktemp -u) && mkfifo "$fifo"
  # -noreset: without it the server resets when its last client leaves, and the window manager
  # then fails to open the display now and then.
  Xvfb -noreset -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$fifo" 2>/dev/null &
  vd_pids+=($!)
  read -r -t 10 display_number <"$fifo" || display_number=
  rm -f "$fifo"
  [ -n "$display_number" ] || return 1
  export DISPLAY=":$display_number"
  local caller=$$ xvfb=$!
  (while kill -0 "$caller" 2>/dev/null; do sleep 2; done; kill "$xvfb" 2>/dev/null) &
  vd_pids+=($!)
  openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml >/dev/null 2>&1 &
  vd_pids+=($!)
  local tries
  for tries in $(seq 50); do
    vd_wm_ready && return 0
    sleep 0.1
  done
  return 1
}

vd_start() {
  local attempt
  for attempt in 1 2 3; do
    vd_try_start && return 0
    vd_stop
  done
  echo "could not start a virtual display" >&2
  return 1
}

# vd_window_of PID: the id of the first managed top-level window of that process.
vd_window_of() {
  local pid=$1 id tries
  for tries in $(seq 100); do
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      if xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

# vd_title WINDOW: the window's UTF-8 title as the taskbar reads it.
vd_title() {
  xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p' \
    | sed 's/\\\(.\)/\1/g'
}

# vd_frame WINDOW: "X Y WIDTH HEIGHT" of the window with the frame the manager drew around it.
# (xdotool getwindowgeometry counts a reparented window's offset twice; xwininfo does not.)
vd_frame() {
  local x y width height left right top bottom
  read -r x y width height < <(xwininfo -id "$1" | awk -F: '
    /Absolute upper-left X/ {x = $2} /Absolute upper-left Y/ {y = $2}
    /Width/ {w = $2} /Height/ {h = $2} END {print x, y, w, h}')
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | tr -d ',' \
    | awk '{print $3, $4, $5, $6}')
  echo "$((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))"
}

# vd_activate WINDOW: gives the window the focus, ready for keys. Wine moves the focus into its
# window a moment after the X focus changes; keys sent in between are lost.
vd_activate() {
  timeout 5 xdotool windowactivate --sync "$1" >/dev/null
  sleep 0.5
}

# vd_key WINDOW KEY: presses KEY (such as alt+s) in the window, activating it first (which also
# restores a minimised window).
vd_key() {
  vd_activate "$1"
  xdotool key --clearmodifiers "$2"
}

# vd_close WINDOW PID: closes the window as its close button does and waits for the process to end,
# killing it after 20 s.
vd_close() {
  wmctrl -ic "$1"
  timeout 20 tail -s 0.05 --pid="$2" -f /dev/null || kill "$2" 2>/dev/null || true
  wait "$2" 2>/dev/null || true
}
