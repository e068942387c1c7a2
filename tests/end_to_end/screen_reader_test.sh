#!/usr/bin/env bash
# Usage: screen_reader_test.sh PROGRAM
# A meeting as a screen reader follows it over AT-SPI: one notice per read-out and tick, with the
# figure on display, never the seconds count the cost read-out holds within a tick.
set -euo pipefail
work=$(mktemp -d)
source "$(dirname "$0")/../../script/lib/virtual_display.sh"
trap 'vd_stop; rm -rf "$work"' EXIT
cp "$1" "$work/quorlane"
printf '[DATA]\r\nCOST_PER_HOUR=3600\r\nMEMBER_COUNT=2\r\n' >"$work/Quorlane.ini"
vd_start
export PROGRAM=$work/quorlane QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
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
    assert len(times) >= 2 and len(costs) == len(times) and all(c.endswith("円") for c in costs), notices
    print(f"{len(times)} ticks, one notice per read-out each: {notices}")
finally:
    for process in reversed(started):
        process.terminate()
        process.wait()
EOF
