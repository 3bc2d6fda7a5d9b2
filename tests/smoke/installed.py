# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives the program over AT-SPI as its user would, in one of two steps of installed.sh.
"save YEAR MONTH DAY TEXT" types a target into the date-entry window, saves it with 设定 and
closes the box that confirms it. "check DAYS YEAR MONTH DAY TEXT" expects the countdown window to
show DAYS and TEXT and the date-entry window the target, then clicks the help window's web
address."""
import subprocess
import sys

import pyatspi

from accessibility import labels, objects, press, program, shown, wait_for


def key(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)


def window(title):
    return next((w for w in program() if w.name == title), None)


def texts(root):
    """The text of every label and text field below root."""
    return [o.name for o in objects(root) if o.getRole() == pyatspi.ROLE_LABEL] + \
        [o.queryText().getText(0, -1) for o in objects(root) if o.getRole() == pyatspi.ROLE_TEXT]


def combos():
    return [o for o in objects(window("设定倒计时日期")) if o.getRole() == pyatspi.ROLE_COMBO_BOX]


wait_for(program, "the program on the accessibility bus")
if sys.argv[1] == "save":
    press("设定提示日期")
    wait_for(lambda: window("设定倒计时日期"), "the date-entry window")
    # The window opens with the focus in the year list; Tab leads on to the month, the day and
    # the event text, each of which the typing replaces.
    for text in sys.argv[2:6]:
        key("ctrl+a")
        subprocess.run(["xdotool", "type", text], check=True)
        key("Tab")
    press("设定")
    wait_for(lambda: any("日期设置完毕" in t for w in program() for t in texts(w)),
             "the box that says the date is set")
    key("Return")
    wait_for(lambda: not any("日期设置完毕" in t for w in program() for t in texts(w)),
             "the box to close")
else:
    days, year, month, day, event_text = sys.argv[2:7]
    countdown = wait_for(lambda: window("Dovrenta"), "the countdown window")
    wait_for(lambda: {days, event_text} <= set(texts(countdown)),
             f"the countdown window to show {days} days and {event_text}")
    press("设定提示日期")
    target = {"年": year, "月": month, "日": day}
    wait_for(lambda: {labels(c)[0]: shown(c) for c in combos()} == target,
             f"the date-entry window to show {target}")
    press("使用帮助")
    help_window = wait_for(lambda: window("使用帮助"), "the help window")
    link = wait_for(lambda: next((o for o in objects(help_window)
                                  if o.name == "http://example.org/"), None), "the web address")
    x, y, width, height = link.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2),
                    "click", "1"], check=True)
