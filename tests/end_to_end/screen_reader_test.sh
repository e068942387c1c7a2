#!/usr/bin/env bash
# Usage: screen_reader_test.sh PROGRAM
# Over AT-SPI: a notice for each figure that changed in a tick, with the figure shown (never the
# seconds count), none for one that stayed. Half a yen a second: the cost changes every other one.
set -euo pipefail
work=$(mktemp -d)
for lib in virtual_display settings; do source "$(dirname "$0")/../../script/lib/$lib.sh"; done
trap 'vd_stop; rm -rf "$work"' EXIT
vd_start
PROGRAM=$(beside_settings "$1" "$work" 1800 1)
export PROGRAM QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- /usr/bin/python3 - <<'EOF'
import os, subprocess, time
started = [subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])]
import pyatspi
from gi.repository import GLib
try:
    started.append(subprocess.Popen([os.environ["PROGRAM"]]))
    for _ in range(100):
        app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Quorlane"), None)
        if button := app and pyatspi.findDescendant(app, lambda control: control.name == "会議開始"):
            break
        time.sleep(0.1)
    assert button, "the program's button never showed up on the accessibility bus"
    notices = []
    pyatspi.Registry.registerEventListener(lambda e: notices.append((e.source.name, e.source.description)),
                                           "object:property-change:accessible-description")
    button.queryAction().doAction(0)
    GLib.timeout_add(3500, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    times, costs = ([text for name, text in notices if name == shown] for shown in ("経過時間", "発生費用"))
    assert len(times) >= 2 and len(set(times)) == len(times), notices
    assert costs == ["1円", "2円"][:len(costs)] and len(costs) == (len(times) + 1) // 2, notices
    print(f"{len(times)} ticks, a notice for each changed figure: {notices}")
finally:
    for process in reversed(started):
        process.terminate()
        process.wait()
EOF
