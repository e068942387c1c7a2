#!/usr/bin/env bash
# Usage: msi_test.sh MSI BUILD_MSI.cmake [-D NAME=VALUE]...
# The MSI under Wine in a throwaway prefix: its tables, a silent per-machine install that passes the
# window test, an upgrade to a 1.0.1 (same definitions) keeping an edited Quorlane.ini, an uninstall.
set -uo pipefail
msi=$(realpath "$1")
build_msi=$2
shift 2
here=$(dirname "$(realpath "$0")")
source "$here/../check.sh"
source "$here/../../script/lib/wine.sh"
work=$(mktemp -d)
trap 'wine_stop; rm -rf "$work"' EXIT
# A fresh prefix: nothing installed by an earlier run. (window_test.sh takes it from here too.)
export WINEPREFIX=$work/prefix

table() { msiinfo export "$1" "$2" | tail -n +4 | tr -d '\r'; }  # table MSI NAME: its rows
property() { table "$1" Property | awk -F'\t' -v name="$2" '$1 == name {print $2}'; }

check "under 200 KB" yes "$([ "$(stat -c %s "$msi")" -lt 204800 ] && echo yes || stat -c %s "$msi")"
check "Start-menu shortcut: folder, name, target, Japanese description" \
  "ProgramMenuFolder Quorlane [#Quorlane.exe] 会議の経過時間と発生費用を毎秒表示します" \
  "$(table "$msi" Shortcut | awk -F'\t' '{print $2, $3, $5, $7}')"
check "icon for Apps & features" "ARPPRODUCTICON=Quorlane.ico Icon=Quorlane.ico" \
    "ARPPRODUCTICON=$(property "$msi" ARPPRODUCTICON) Icon=$(table "$msi" Icon | cut -f1)"
check "per machine" 1 "$(property "$msi" ALLUSERS)"
check "upgrades older versions, refuses newer" "{CFB0FBEA-C46A-478F-B650-A00D29AC9803} 1.0.0 WIX_UPGRADE_DETECTED" \
  "$(table "$msi" Upgrade | awk -F'\t' '$3 != "" {print $1, $3, $NF}')"
# 64-bit 256; Permanent 16 and NeverOverwrite 128 for the administrator's settings.
check "component attributes" "Program=256 Settings=400" \
  "$(table "$msi" Component | awk -F'\t' '{printf "%s%s=%s", sep, $1, $4; sep = " "}')"
check "code page for the Japanese texts" 932 \
  "$(msiinfo export "$msi" _ForceCodepage | tr -d '\r\0' | awk -F'\t' '$2 == "_ForceCodepage" {print $1}')"

cmake "$@" -D VERSION=1.0.1 -D "WORK=$work/stage" -D "OUTPUT=$work/Quorlane-1.0.1-x64.msi" \
  -P "$build_msi" >/dev/null || { echo "could not build the 1.0.1 MSI"; exit 1; }
newer=$work/Quorlane-1.0.1-x64.msi

wine_start "$WINEPREFIX" || exit 1
installed="$WINEPREFIX/drive_c/Program Files/Quorlane"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
msiexec() { DISPLAY='' wine msiexec "$1" "$(winepath -w "$2" 2>/dev/null)" /qn >/dev/null 2>&1; }
# registered MSI: its product's Apps & features version, and whether the icon kept for it is ours.
registered() {
  local code version
  code=$(property "$1" ProductCode)
  version=$(DISPLAY='' wine reg query "$uninstall\\$code" 2>/dev/null | tr -d '\r' \
    | awk '$1 == "DisplayVersion" {print $3}')
  [ -z "$version" ] && return
  cmp -s "$WINEPREFIX/drive_c/windows/Installer/$code/Quorlane.ico" "$here/../../resources/quorlane.ico" \
    && echo "$version icon" || echo "$version no icon"
}
# Wine puts a per-machine install's shortcut in the user's Start menu, Windows in the common one.
shortcut() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Quorlane.lnk'; }
hex() { od -An -tx1 -v | tr -d ' \n'; }

msiexec /i "$msi"
check "silent install: the program's folder" \
  "License.txt Quorlane.exe Quorlane.ini Readme.txt ThirdPartyNotices.txt" \
  "$(ls "$installed" 2>/dev/null | xargs)"
check "Start-menu shortcut with its description" yes "$(shortcut | grep -q . && hex <"$(shortcut)" \
  | grep -q "$(printf 会議の経過時間と発生費用を毎秒表示します | iconv -t UTF-16LE | hex)" && echo yes)"
check "Apps & features entry of 1.0.0, with an icon" "1.0.0 icon" "$(registered "$msi")"
wine_stop

"$here/../end_to_end/window_test.sh" "$installed/Quorlane.exe" "$installed/Quorlane.ini" \
  || failed=$((failed + 1))

wine_start "$WINEPREFIX" || exit 1
edited="[DATA] COST_PER_HOUR=7777 MEMBER_COUNT=3"
printf '%s\r\n' $edited >"$installed/Quorlane.ini"
msiexec /i "$newer"
check "upgrade: 1.0.0 gone" "" "$(registered "$msi")"
check "upgrade: 1.0.1 in its place" "1.0.1 icon" "$(registered "$newer")"
check "upgrade: the program is there" yes "$([ -f "$installed/Quorlane.exe" ] && echo yes)"
check "upgrade: the edited Quorlane.ini kept" "$edited" "$(tr -d '\r' <"$installed/Quorlane.ini" | xargs)"

msiexec /x "$newer"
check "uninstall: only the administrator's Quorlane.ini stays" "Quorlane.ini" \
  "$(ls "$installed" 2>/dev/null | xargs)"
check "uninstall: no shortcut" "" "$(shortcut)"
check "uninstall: no Apps & features entry" "" "$(registered "$newer")"
check_summary
