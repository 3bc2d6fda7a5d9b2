# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Meets the program as a screen reader's user would. Opens the date-entry window through its
button and tabs once round it, following the focus events: every object that takes the focus
must be named or labelled, and the three date lists must be labelled 年, 月 and 日 and present
their shown text. Then opens the help window and checks that every focusable object on screen has
a name, and that each date list presents its entries as list items and its edit field's text.
Roles are compared as the library's values, never by their names, which differ between its
versions. Every wait is for a condition, with a deadline."""
import subprocess
import sys

import pyatspi

from accessibility import labels, objects, press, program, shown, wait_for


def described(o):
    return f"{o.getRoleName()} {o.name!r} labelled {labels(o)}"


# What takes the focus, in the order of the focus events.
focused = []
pyatspi.Registry.registerEventListener(
    lambda event: event.detail1 and focused.append(event.source), "object:state-changed:focused")
wait_for(program, "the program on the accessibility bus")
press("设定提示日期")
# The window opens with the focus in the year list; Tab walks once round it and back there.
wait_for(lambda: any(o.getRole() == pyatspi.ROLE_COMBO_BOX for o in focused),
         "the focus in the date-entry window")
del focused[:-1]
for _ in range(5):
    seen = len(focused)
    subprocess.run(["xdotool", "key", "Tab"], check=True)
    wait_for(lambda: len(focused) > seen, "the focus to move on Tab")

failures = [f"focus on an unnamed, unlabelled {o.getRoleName()}" for o in focused
            if not o.name and not any(labels(o))]
combos = [o for o in focused if o.getRole() == pyatspi.ROLE_COMBO_BOX]
# Qt on Linux names a list by its shown text; a list named by its label says it as well.
failures += [f"a date list that presents neither its text nor its label: {described(o)}"
             for o in combos if o.name not in [shown(o)] + labels(o)]
lists = [(labels(o), shown(o)) for o in combos]
expected = [(["年"], "Year"), (["月"], "month"), (["日"], "Day"), (["年"], "Year")]
if lists != expected:
    failures.append(f"focused date lists {lists}, expected {expected}; "
                    f"the walk: {[described(o) for o in focused]}")

press("使用帮助")
wait_for(lambda: any(w.name == "使用帮助" for w in program()), "the help window")
entries = {}
for o in objects(program()):
    state = o.getState()
    if state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_SHOWING):
        if not o.name and not any(labels(o)):
            failures.append(f"an unnamed {o.getRoleName()}")
    if o.getRole() == pyatspi.ROLE_COMBO_BOX:
        items, field = o[0], o[1]
        entries[field.name] = (items.childCount, items[0].getRole() == pyatspi.ROLE_LIST_ITEM,
                               shown(o))
expected = {"年": (996, True, "Year"), "月": (12, True, "month"), "日": (31, True, "Day")}
if entries != expected:
    failures.append(f"date lists {entries}, expected {expected}")
print("\n".join(failures) or "every focused and focusable object is named or labelled; "
      "the date lists are labelled by their units and whole")
sys.exit(1 if failures else 0)
