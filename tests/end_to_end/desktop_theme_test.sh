#!/usr/bin/env bash
# Usage: desktop_theme_test.sh PROGRAM
# On GTK's Adwaita through Qt's GTK platform theme, as GNOME users run it, measured on the pixels
# drawn: pure blue and red read-outs on the light palette, both at least 4.5:1 on the dark one.
set -euo pipefail
work=$(mktemp -d)
for lib in virtual_display settings; do source "$(dirname "$0")/../../script/lib/$lib.sh"; done
program=
trap '[ -n "$program" ] && kill "$program" 2>/dev/null; vd_stop; rm -rf "$work"' EXIT
[ -e "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platformthemes/libqgtk3.so" ] ||
  { echo "qt6-gtk-platformtheme is not installed"; exit 77; }
vd_start
exe=$(beside_settings "$1" "$work" 3600 2)
# Answers 2 while the read-outs are not drawn yet.
cat >"$work/measure.py" <<'PY'
import re, sys
counts = {tuple(map(int, m.groups()[1:])): int(m[1]) for m in
          (re.match(r"\s*(\d+): \((\d+),(\d+),(\d+)", line) for line in open(sys.argv[1]))}
def luminance(colour):
    linear = [c / 3294.6 if c <= 10.31 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in colour]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
def contrast(a, b):
    return (max(luminance(a), luminance(b)) + 0.05) / (min(luminance(a), luminance(b)) + 0.05)
background = max(counts, key=counts.get)
# The most common blue and red: anti-aliased edges aside.
blues = [c for c in counts if c[2] > c[0] + 40 and c[0] == c[1]]
reds = [c for c in counts if c[0] > c[1] + 40 and c[1] == c[2]]
if not blues or not reds:
    sys.exit(2)
blue, red = max(blues, key=counts.get), max(reds, key=counts.get)
print(f"{sys.argv[2]}: on {background} lblTime {blue} {contrast(blue, background):.2f}:1, "
      f"lblCost {red} {contrast(red, background):.2f}:1")
dark = sys.argv[2].endswith(":dark")
assert (luminance(background) < 0.18) == dark, "the theme's palette did not apply"
assert min(contrast(blue, background), contrast(red, background)) >= 4.5 if dark else \
    (blue, red) == ((0, 0, 255), (255, 0, 0))
PY
for theme in Adwaita Adwaita:dark; do
  QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=$theme "$exe" >/dev/null 2>&1 &
  program=$!
  window=$(vd_window_of "$program")
  for _ in $(seq 50); do
    # The read-outs' part of the client area: right of the captions, inside the second frame.
    import -window "$window" -crop 120x60+100+62 +repage "$work/read_outs.png"
    convert "$work/read_outs.png" -format %c histogram:info:- >"$work/colours.txt"
    result=0 && python3 "$work/measure.py" "$work/colours.txt" "$theme" || result=$?
    [ "$result" -eq 2 ] || break
    sleep 0.1
  done
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  program=
  [ "$result" -eq 0 ] || { echo "$theme: wrong colours, or never drawn"; exit 1; }
done
