#!/usr/bin/env bash
# Usage: program_file_test.sh QUORLANE.EXE CPACK CPACK_CONFIG
# The program file as Windows reads it (DLLs, manifest, version record, icon) and the zip handed
# out, whose notices cover what the linker put in.
set -uo pipefail
exe=$1
source "$(dirname "$0")/../check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
check "subsystem" "Windows GUI" "$(sed -n 's/^Subsystem.*(\(.*\))$/\1/p' <<<"$headers")"
check "only Windows' own DLLs" "COMCTL32.dll GDI32.dll KERNEL32.dll USER32.dll msvcrt.dll" \
  "$(awk '/DLL Name:/ {print $3}' <<<"$headers" | sort | xargs)"
# Windows 10 1607 and later alone: the manifest names no older system, and the per-DPI calls of
# 1607 are imported, so that no older Windows starts it.
check "the per-DPI calls of 1607 imported" "AdjustWindowRectExForDpi GetDpiForWindow \
SystemParametersInfoForDpi" "$(grep -oE '\b[A-Za-z]+ForDpi\b|\bGetDpiForWindow\b' <<<"$headers" | sort -u | xargs)"
manifest=$(wrestool -x --raw --type=24 "$exe")
check "manifest: common controls 6, per-monitor DPI, the ANSI code page left alone, Windows 10" \
  "1 1 0 {8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}" "$(for wanted in '>PerMonitorV2' \
    'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' '<activeCodePage'; do
    grep -cF "$wanted" <<<"$manifest"; done | xargs) $(grep -o 'supportedOS Id="[^"]*"' \
    <<<"$manifest" | cut -d'"' -f2 | xargs)"

# The version record's keys and values in order; its fixed part and translation as bytes.
wrestool -x --raw --type=16 "$exe" >"$work/version"
check "version strings" "VS_VERSION_INFO StringFileInfo 041104B0 FileVersion 1.00 \
InternalName Quorlane OriginalFilename Quorlane.exe ProductName Quorlane ProductVersion 1.00 \
VarFileInfo Translation" "$(strings -e l "$work/version" | xargs)"
bytes=$(od -An -tx1 -v "$work/version" | tr -d ' \n')
# Signature, structure 1.0, file and product versions 1.0.0.0 (little-endian); Japanese, Unicode.
check "fixed versions 1.0.0.0, translation" "yes 1104b004" \
  "$([[ $bytes == *bd04effe0000010000000100000000000000010000000000* ]] && echo yes) ${bytes: -8}"
check "the first icon group" 1 "$(wrestool -l --type=14 "$exe" | sed -n '1s/.*--name=\([^ ]*\).*/\1/p')"
check "icon images" "32x32x4 24x24x4 16x16x4" "$(wrestool -x --type=14 --name=1 "$exe" | icotool -l - \
  | sed -n 's/.*--width=\([0-9]*\) --height=\([0-9]*\) --bit-depth=\([0-9]*\) --palette-size=16.*/\1x\2x\3/p' \
  | xargs)"
"$2" --config "$3" -B "$work" >/dev/null
zip=$(ls "$work"/*.zip)
check "zip under 150 KB" yes "$([ "$(stat -c %s "$zip")" -lt 153600 ] && echo yes || stat -c %s "$zip")"
check "zip contents" "License.txt Quorlane.exe Quorlane.ini Readme.txt ThirdPartyNotices.txt" \
  "$(unzip -Z1 "$zip" | sed 's|.*/||' | sort | xargs)"
# The notices list exactly the libraries and start-up files the linker's map took members from
# (besides our own): a new runtime library linked in needs its licence text there.
map=$(dirname "$exe")/Quorlane.map
check "notices name what the map shows linked in" "$( (
  sed -n '/^Archive member included/,/^Discarded/ s|^/[^(]*/\([^/(]*\)(.*|\1|p' "$map"
  sed -n 's|^LOAD \(.*/\)\{0,1\}\([^/ ]*\.o\)$|\2|p' "$map") | sort -u | xargs)" \
  "$(unzip -p "$zip" '*/ThirdPartyNotices.txt' | tr -d '\r' | sed -n 's/^  \([^ ]*\.[ao]\)  .*/\1/p' \
    | sort | xargs)"
check "sample settings in the zip, byte for byte" same "$(unzip -p "$zip" '*/Quorlane.ini' \
  | cmp -s - "$(dirname "$0")/../../resources/Quorlane.ini" && echo same)"
check_summary
