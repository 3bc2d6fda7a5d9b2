# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the smoke tests that meet the program over AT-SPI share: finding the program, its objects
and buttons, and waiting, with a deadline, for a condition while the library's events come in."""
import sys
import time

import pyatspi
from gi.repository import GLib

DEADLINE = 20


def wait_for(condition, what):
    """Runs the event loop until condition() gives a true value, and returns that value."""
    context = GLib.MainContext.default()
    wake = GLib.timeout_add(50, lambda: True)
    end = time.monotonic() + DEADLINE
    try:
        while not (found := condition()):
            if time.monotonic() > end:
                sys.exit(f"gave up waiting for {what}")
            context.iteration(True)
        return found
    finally:
        GLib.source_remove(wake)


def program():
    return next((a for a in pyatspi.Registry.getDesktop(0)
                 if a is not None and a.name == "dovrenta"), None)


def objects(root):
    return [root] + [o for child in root if child is not None for o in objects(child)]


def button(caption):
    application = program()
    return next((o for o in objects(application) if o.getRole() == pyatspi.ROLE_PUSH_BUTTON
                 and o.name == caption), None) if application is not None else None


def press(caption):
    wait_for(lambda: button(caption), f"a button {caption}").queryAction().doAction(0)


def labels(o):
    return [r.getTarget(i).name for r in o.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(r.getNTargets())]


def shown(combo):
    """The text in a date list's edit field: what the list shows."""
    return combo[1].queryText().getText(0, -1)
