# shellcheck shell=bash
# Sourced by scripts that run Windows programs under Wine. wine_env PREFIX exports what every start
# needs; wine_boot readies the prefix for programs under test; wine_start PREFIX does so on a server
# of its own (for the current display); wine_stop ends the prefix's server and every process of it.

# wine_env PREFIX: the Japanese locale, whose ANSI code page (932) Wine takes over; no offer to
# install Mono or Gecko, no menu entries for the desktop. Wine takes only an absolute prefix.
wine_env() {
  WINEPREFIX=$(realpath -m "$1")
  export WINEPREFIX WINEDEBUG=-all LC_ALL=ja_JP.UTF-8
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
}

# wine_pids [NAME]: the prefix's server and Windows processes (those named NAME.exe only), found by
# their environment: a process that outlived its server has no other link to the prefix.
wine_pids() {
  local dir first name=${1:-*}
  for dir in /proc/[0-9]*; do
    first=
    { IFS= read -r -d '' first <"$dir/cmdline"; } 2>/dev/null
    case ${first,,} in
      *\\$name.exe | *wineserver*) ;;
      *) continue ;;
    esac
    tr '\0' '\n' <"$dir/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "${dir#/proc/}"
  done
}

# wine_boot [null]: makes the prefix when it is missing (with Wine's null graphics driver for
# "null") and starts Wine's services unless they run. Whichever program starts the services hands
# them its output, and whoever reads that output then waits as long as the server lives: here they
# get /dev/null. Tests may start in parallel: the first does this while the others wait.
wine_boot() {
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ] ||
      { [ "${1:-}" = null ] && ! grep -q '"Graphics"="null"' "$WINEPREFIX/user.reg"; }; then
      DISPLAY='' wineboot -i >/dev/null 2>&1 9>&- || { echo "wine_boot: wineboot failed" >&2; exit 1; }
      # Without a display: a test can still make a real window in its own process.
      if [ "${1:-}" = null ]; then
        DISPLAY='' wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 9>&-
      fi
      # The first boot ends by itself: a server ended while its services still start leaves some
      # of them running without it. The new driver takes effect with the next server.
      timeout 120 wineserver -w 9>&- ||
        { echo "wine_boot: the first boot of $WINEPREFIX did not end within 120 s" >&2; exit 1; }
    fi
    if [ -z "$(wine_pids services)" ]; then
      # The server outlives each program by half a minute: later starts take a fraction of a second.
      wineserver -p30 >/dev/null 2>&1 9>&- || true
      timeout 120 env DISPLAY='' wine wineboot >/dev/null 2>&1 9>&- ||
        { echo "wine_boot: Wine's services did not start within 120 s" >&2; exit 1; }
      # The desktop process too: a first window would otherwise start it, with its own output.
      if [ "${1:-}" = null ]; then
        DISPLAY='' wine explorer.exe /desktop >/dev/null 2>&1 9>&- &
      fi
    fi
  ) 9>"$WINEPREFIX.lock"
}

# wine_start PREFIX: the prefix ready on a server of its own, for the display of this process.
wine_start() {
  wine_env "$1"
  # A server left from an earlier start may belong to another display.
  wine_stop
  wine_boot
}

# wine_for PROGRAM PREFIX: how to start PROGRAM, in the array run: under Wine in PREFIX (started
# here) for a .exe, as it is otherwise.
wine_for() {
  run=()
  if [[ $1 == *.exe ]]; then
    wine_start "$2" || return 1
    # shellcheck disable=SC2034 # the caller's
    run=(wine)
  fi
}

# wine_stop: ends the server and waits until it is gone. A process that was starting as it went
# starts a server of its own: that one is ended too, and whatever still stands is killed.
wine_stop() {
  local round
  for round in 1 2 3; do
    wineserver -k >/dev/null 2>&1 || true
    timeout 30 wineserver -w >/dev/null 2>&1 || true
    [ -n "$(wine_pids)" ] || return 0
    sleep "0.$round"
  done
  # shellcheck disable=SC2046 # one PID a word
  kill -9 $(wine_pids) 2>/dev/null || true
}
