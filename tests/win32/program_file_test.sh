#!/usr/bin/env bash
# Usage: program_file_test.sh QUORLANE.EXE CPACK CPACK_CONFIG
# The program file as Windows reads it: a GUI program that needs only Windows' own DLLs, its
# manifest, its version record, and its icon with three 16-colour images; and the zip handed out.
set -uo pipefail
exe=$1
source "$(dirname "$0")/../check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
check "subsystem" "Windows GUI" "$(sed -n 's/^Subsystem.*(\(.*\))$/\1/p' <<<"$headers")"
check "only Windows' own DLLs" "COMCTL32.dll GDI32.dll KERNEL32.dll USER32.dll msvcrt.dll" \
  "$(awk '/DLL Name:/ {print $3}' <<<"$headers" | sort | xargs)"

manifest=$(wrestool -x --raw --type=24 "$exe")
for wanted in 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' '>PerMonitorV2'; do
  check "manifest holds $wanted" yes "$(grep -qF "$wanted" <<<"$manifest" && echo yes)"
done
check "manifest leaves the ANSI code page alone" no \
  "$(grep -q "<activeCodePage" <<<"$manifest" && echo yes || echo no)"

# Keys and values of the version record in order, then its fixed part and the translation as bytes.
wrestool -x --raw --type=16 "$exe" >"$work/version"
check "version strings" "VS_VERSION_INFO StringFileInfo 041104B0 FileVersion 1.00 \
InternalName Quorlane OriginalFilename Quorlane.exe ProductName Quorlane ProductVersion 1.00 \
VarFileInfo Translation" "$(strings -e l "$work/version" | xargs)"
bytes=$(od -An -tx1 -v "$work/version" | tr -d ' \n')
# Signature, structure version 1.0, file version 1.0.0.0, product version 1.0.0.0 (little-endian).
check "fixed versions 1.0.0.0" yes \
  "$([[ $bytes == *bd04effe0000010000000100000000000000010000000000* ]] && echo yes)"
check "translation Japanese, Unicode" 1104b004 "${bytes: -8}"

check "the first icon group" 1 "$(wrestool -l --type=14 "$exe" | sed -n '1s/.*--name=\([^ ]*\).*/\1/p')"
wrestool -x --type=14 --name=1 "$exe" >"$work/icon.ico"
check "icon images" "32x32x4 24x24x4 16x16x4" "$(icotool -l "$work/icon.ico" | sed -n \
  's/.*--width=\([0-9]*\) --height=\([0-9]*\) --bit-depth=\([0-9]*\) --palette-size=16.*/\1x\2x\3/p' \
  | xargs)"
"$2" --config "$3" -B "$work" >/dev/null
zip=$(ls "$work"/*.zip)
check "zip contents" "Quorlane.exe Quorlane.ini Readme.txt" \
  "$(unzip -Z1 "$zip" | sed 's|.*/||' | sort | xargs)"
check "sample settings in the zip, byte for byte" same "$(unzip -p "$zip" '*/Quorlane.ini' \
  | cmp -s - "$(dirname "$0")/../../resources/Quorlane.ini" && echo same)"
check_summary
