#!/usr/bin/python3
"""What a screen reader learns of the program over the accessibility bus
(AT-SPI), as Orca would: the main dialog's controls with their roles, names
and label relations, then the About box and the date error box, reached by
the actions a screen reader offers, and the end by the "Sulge" button.

Usage: accessibility_test.py PROGRAM (on a display with a D-Bus session:
tests/x_session.sh).
"""
import os
import subprocess
import sys
import time

import pyatspi

TIMEOUT = 10

# The main dialog's controls in template order: role, name, and the name of
# the label that labels it.
MAIN_DIALOG = [
    ("push button", "OK", None),
    ("push button", "Sulge", None),
    ("push button", "Mis värk on ?!", None),
    ("label", "Sünnikuupäev ja aasta:", None),
    ("label", "Mida siis Kosmos räägib:", None),
    ("push button", "Salvesta see jutt kettale", None),
    ("status bar", "", None),
    ("text", "Mida siis Kosmos räägib:", "Mida siis Kosmos räägib:"),
    ("text", "Sünnikuupäev ja aasta:", "Sünnikuupäev ja aasta:"),
]

ABOUT_BOX = [
    ("push button", "OK"),
    ("label", "Ombrix"),
    ("label", "Programm arvutab sünnikuupäeva numbrid ja selgitab nende tähendust."),
    ("label", "© 2026 Ombrixi autorid"),
    ("label", "Versioon 1.0"),
]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def wait_for(what, find):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.05)
    sys.exit(f"FAIL: never came: {what}")


def children(accessible):
    return [child for child in accessible if child is not None]


def find(accessible, role, name):
    if accessible.getRoleName() == role and accessible.name == name:
        return accessible
    for child in children(accessible):
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def related(accessible, relation):
    for candidate in accessible.getRelationSet():
        if candidate.getRelationType().value_nick == relation:
            return [candidate.getTarget(i) for i in range(candidate.getNTargets())]
    return []


def controls(window):
    """The controls of a dialog: the children of its client area."""
    client = [c for c in children(window) if c.getRoleName() == "filler"]
    return children(client[0]) if client else children(window)


def window_of(application, name):
    return lambda: next((w for w in children(application) if w.name == name), None)


def press(accessible):
    accessible.queryAction().doAction(0)


def main():
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=environment)
    desktop = pyatspi.Registry.getDesktop(0)
    application = wait_for(
        "the program on the bus",
        lambda: next((a for a in children(desktop) if a.name == "ombrix"), None))
    dialog = wait_for("the main dialog", window_of(application, "Ombrix"))
    check(dialog.getRoleName() == "dialog", f"main window role {dialog.getRoleName()}")
    seen = [(c.getRoleName(), c.name) for c in controls(dialog)]
    check(seen == [(role, name) for role, name, _ in MAIN_DIALOG], f"main dialog: {seen}")
    for control, (role, name, label) in zip(controls(dialog), MAIN_DIALOG):
        labels = [target.name for target in related(control, "labelled-by")]
        check(labels == ([label] if label else []), f"{name}: labelled by {labels}")
        if role == "label":
            targets = [(t.getRoleName(), t.name) for t in related(control, "label-for")]
            check(targets == [("text", name)], f"{name}: label for {targets}")

    press(find(dialog, "menu item", "Ohhoo !"))
    about = wait_for("the About box", window_of(application, "Autor"))
    check(about.getRoleName() == "dialog", f"About box role {about.getRoleName()}")
    seen = [(c.getRoleName(), c.name) for c in controls(about)]
    check(seen == ABOUT_BOX, f"About box: {seen}")
    press(find(about, "push button", "OK"))
    wait_for("the About box to close",
             lambda: None if window_of(application, "Autor")() else True)

    find(dialog, "text", "Sünnikuupäev ja aasta:").queryEditableText().setTextContents(
        "27/10/1980")
    press(find(dialog, "push button", "OK"))
    error = wait_for("the date error box", window_of(application, "Viga"))
    check(error.getRoleName() == "dialog", f"error box role {error.getRoleName()}")
    texts = [c.name for c in children(error) if c.getRoleName() == "label"]
    check(len(texts) == 1 and texts[0].startswith("Kontrolli kuupäeva"), f"error box: {texts}")
    press(find(error, "push button", "OK"))
    wait_for("the error box to close", lambda: None if window_of(application, "Viga")() else True)

    press(find(dialog, "push button", "Sulge"))
    try:
        check(program.wait(TIMEOUT) == 1, "exit code")
    except subprocess.TimeoutExpired:
        program.kill()
        check(False, "the program did not end")
    sys.exit(1 if failures else 0)


main()
