#!/usr/bin/env bash
# Usage: install_test.sh BUILD_DIR
# `cmake --install` twice: the sample settings under etc with an absolute link beside the program;
# the second install keeps the administrator's edits and says so; a staged install (DESTDIR) does
# not mistake them for its own.
set -uo pipefail
build=$1
source "$(dirname "$0")/../check.sh"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
settings=$prefix/etc/quorlane/Quorlane.ini

cmake --install "$build" --prefix "$prefix" >"$prefix/first.log" || { cat "$prefix/first.log"; exit 1; }
check "the sample installed" same \
  "$(cmp -s "$settings" "$(dirname "$0")/../../resources/Quorlane.ini" && echo same)"
check "absolute link beside the program" "$settings" "$(readlink "$prefix/lib/quorlane/Quorlane.ini")"

printf '[DATA]\r\nCOST_PER_HOUR=7777\r\nMEMBER_COUNT=3\r\n' >"$settings"
cmake --install "$build" --prefix "$prefix" >"$prefix/second.log" || { cat "$prefix/second.log"; exit 1; }
check "edited settings kept" "[DATA] COST_PER_HOUR=7777 MEMBER_COUNT=3" "$(tr -d '\r' <"$settings" | xargs)"
check "the install says so" 1 "$(grep -c "Keeping: $settings " "$prefix/second.log")"

# Staged as the .deb is, with DESTDIR: the settings file at the real prefix is not the stage's, so
# the stage still gets the sample, and its link leads to it.
stage=$prefix/stage
DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >"$prefix/staged.log" \
  || { cat "$prefix/staged.log"; exit 1; }
check "the sample staged beside edited settings at the real prefix" same \
  "$(cmp -s "$stage$settings" "$(dirname "$0")/../../resources/Quorlane.ini" && echo same)"
check "the staged link" "$settings" "$(readlink "$stage$prefix/lib/quorlane/Quorlane.ini")"
check_summary
