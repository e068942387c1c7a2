# shellcheck shell=bash
# Sourced by scripts that run Quorlane.exe under Wine. wine_start PREFIX makes that prefix when it
# is missing and exports what every start needs: the Japanese locale, whose ANSI code page (932)
# Wine takes over, and no Mono or Gecko installer prompts. wine_stop ends the prefix's wineserver.

# wine_env PREFIX: what every Wine start here needs. Wine takes only an absolute prefix; no offer to
# install Mono or Gecko, no menu entries for the desktop.
wine_env() {
  WINEPREFIX=$(realpath -m "$1")
  export WINEPREFIX WINEDEBUG=-all LC_ALL=ja_JP.UTF-8
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
}

wine_start() {
  wine_env "$1"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    DISPLAY='' wineboot -i >/dev/null 2>&1 || { echo "could not make a Wine prefix" >&2; return 1; }
  fi
  # A server left from an earlier start may belong to another display.
  wine_stop
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

wine_stop() {
  wineserver -k 2>/dev/null || true
}
