#!/usr/bin/env bash
# Usage: desktop_theme_test.sh PROGRAM
# On GTK's Adwaita through Qt's GTK platform theme, as GNOME users run it, measured on the pixels
# drawn: pure blue and red read-outs on the light palette, both at least 4.5:1 on the dark one. In a
# Wayland session it takes XWayland, where a window learns that it is minimised; its class is the
# one the desktop entry names, by which GNOME matches the window to its launcher and icon.
set -euo pipefail
work=$(mktemp -d)
for lib in virtual_display settings; do source "$(dirname "$0")/../../script/lib/$lib.sh"; done
program=
trap '[ -n "$program" ] && kill "$program" 2>/dev/null; vd_stop; rm -rf "$work"' EXIT
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS)
for plugin in platformthemes/libqgtk3.so platforms/libqwayland-generic.so; do
  [ -e "$plugins/$plugin" ] || { echo "$plugin is not installed"; exit 77; }
done
vd_start
exe=$(beside_settings "$1" "$work" 3600 2)
for theme in Adwaita Adwaita:dark; do
  QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=$theme "$exe" >/dev/null 2>&1 &
  program=$!
  python3 - "$(vd_window_of "$program")" "$theme" <<'PY'
import re, subprocess, sys, time
def luminance(colour):
    linear = [c / 3294.6 if c <= 10.31 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in colour]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
def contrast(a, b):
    return (max(luminance(a), luminance(b)) + 0.05) / (min(luminance(a), luminance(b)) + 0.05)
for _ in range(50):  # until the read-outs are drawn
    # The read-outs' part of the client area: right of the captions, inside the second frame.
    histogram = subprocess.run(["import", "-window", sys.argv[1], "-crop", "120x60+100+62", "+repage",
                                "-depth", "8", "-format", "%c", "histogram:info:-"],
                               capture_output=True, text=True).stdout
    counts = {tuple(map(int, m.groups()[1:])): int(m[1])
              for m in re.finditer(r"(\d+): \((\d+),(\d+),(\d+)", histogram)}
    # The most common blue and red: anti-aliased edges aside.
    blues = [c for c in counts if c[2] > c[0] + 40 and c[0] == c[1]]
    reds = [c for c in counts if c[0] > c[1] + 40 and c[1] == c[2]]
    if blues and reds:
        break
    time.sleep(0.1)
else:
    sys.exit(f"{sys.argv[2]}: the read-outs were never drawn")
background = max(counts, key=counts.get)
blue, red = max(blues, key=counts.get), max(reds, key=counts.get)
print(f"{sys.argv[2]}: on {background} lblTime {blue} {contrast(blue, background):.2f}:1, "
      f"lblCost {red} {contrast(red, background):.2f}:1")
dark = sys.argv[2].endswith(":dark")
assert (luminance(background) < 0.18) == dark, "the theme's palette did not apply"
assert min(contrast(blue, background), contrast(red, background)) >= 4.5 if dark else \
    (blue, red) == ((0, 0, 255), (255, 0, 0))
PY
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  program=
done

# The session's Wayland display is none here: Qt, left to choose, would try it first.
XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=quorlane-none QT_DEBUG_PLUGINS=1 "$exe" >"$work/log" 2>&1 &
program=$!
window=$(vd_window_of "$program")
platform=$(grep -om1 'platforms/[^/"]*" loaded library' "$work/log")
[ "$platform" = 'platforms/libqxcb.so" loaded library' ] || { echo "took ${platform:-no platform}"; exit 1; }
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
entry=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../resources/linux/quorlane.desktop.in")
[ "$class" = "$entry" ] || { echo "WM_CLASS \"$class\", the desktop entry's \"$entry\""; exit 1; }
echo "Wayland session: XWayland taken; WM_CLASS $class"
