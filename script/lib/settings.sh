# shellcheck shell=bash
# Sourced by scripts that run the program beside settings of their own.

# write_settings FILE COST MEMBERS [TOP_POS]: a Quorlane.ini as users write it (CRLF lines).
write_settings() {
  printf '[DATA]\r\nCOST_PER_HOUR=%s\r\nMEMBER_COUNT=%s\r\nWINDOW_TOP_POS=%s\r\n' "$2" "$3" "${4:-0}" \
    >"$1"
}

# beside_settings PROGRAM DIR COST MEMBERS: a copy of PROGRAM in DIR beside its own Quorlane.ini (the
# program reads the one beside itself); prints the copy's path.
beside_settings() {
  mkdir -p "$2"
  cp "$1" "$2/"
  write_settings "$2/Quorlane.ini" "$3" "$4"
  echo "$2/${1##*/}"
}
