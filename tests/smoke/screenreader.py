"""Opens the date-entry and help windows through their buttons, as a screen reader's user
would, then checks that every focusable object on screen has a name, and that each date list
presents its entries as list items and holds the focus in an edit field named after it whose
value is the shown text."""
import sys
import time

import pyatspi


def program():
    for _ in range(100):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == "dovrenta":
                return application
        time.sleep(0.1)
    sys.exit("the program is not on the accessibility bus")


def objects(root):
    found = [root]
    for child in root:
        if child is not None:
            found += objects(child)
    return found


def press(caption):
    for o in objects(program()):
        if o.getRoleName() == "push button" and o.name == caption:
            o.queryAction().doAction(0)
            return
    sys.exit(f"no button {caption}")


press("设定提示日期")
press("使用帮助")
time.sleep(1)
failures = []
lists = {}
for o in objects(program()):
    state = o.getState()
    if state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_SHOWING):
        if not o.name:
            failures.append(f"an unnamed {o.getRoleName()}")
    if o.getRoleName() == "combo box":
        entries, field = o[0], o[1]
        lists[field.name] = (entries.childCount, entries[0].getRoleName(),
                             field.queryText().getText(0, -1))
expected = {"年": (996, "list item", "Year"), "月": (12, "list item", "month"),
            "日": (31, "list item", "Day")}
if lists != expected:
    failures.append(f"date lists {lists}, expected {expected}")
print("\n".join(failures) or "every focusable object is named; the date lists are whole")
sys.exit(1 if failures else 0)
