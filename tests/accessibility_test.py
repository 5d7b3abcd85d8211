#!/usr/bin/python3
"""What a screen reader learns of the program over the accessibility bus
(AT-SPI), as Orca would: the main dialog's controls with their roles, names
and label relations; every text query at every offset of both text
controls, each answered within 100 ms; the announcement of a new report,
with the focus left where it was; the help viewer's window, document,
headings and links; then the About box and the date error box, reached by
the actions a screen reader offers, and the end by the "Sulge" button.

Usage: accessibility_test.py PROGRAM (on a display with a D-Bus session:
tests/x_session.sh, or on Wayland: tests/weston_session.sh dbus-run-session).
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 10
# A text query is answered within this time; a slower answer is asked again
# twice before it counts, so that a busy machine does not fail the test.
QUERY_LIMIT = 0.1
QUERY_TRIES = 3
BOUNDARIES = {
    "char": pyatspi.TEXT_BOUNDARY_CHAR,
    "word start": pyatspi.TEXT_BOUNDARY_WORD_START,
    "word end": pyatspi.TEXT_BOUNDARY_WORD_END,
    "sentence start": pyatspi.TEXT_BOUNDARY_SENTENCE_START,
    "sentence end": pyatspi.TEXT_BOUNDARY_SENTENCE_END,
    "line start": pyatspi.TEXT_BOUNDARY_LINE_START,
    "line end": pyatspi.TEXT_BOUNDARY_LINE_END,
}

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
    """The controls of a dialog: the children of its client area (where the
    box draws its own caption, the caption is a filler too, without any)."""
    client = [c for c in children(window) if c.getRoleName() == "filler" and c.childCount > 0]
    return children(client[0]) if client else children(window)


def window_of(application, name):
    return lambda: next((w for w in children(application) if w.name == name), None)


def press(accessible):
    accessible.queryAction().doAction(0)


def timed(what, query):
    """The query's answer; a failure when no try is answered in time."""
    for _ in range(QUERY_TRIES):
        start = time.monotonic()
        answer = query()
        elapsed = time.monotonic() - start
        if elapsed < QUERY_LIMIT:
            return answer
    check(False, f"{what}: {elapsed * 1000:.0f} ms")
    return answer


def check_text_queries(control, name, every=1):
    """getTextAtOffset at every offset (and a little beyond) with every
    boundary type, getTextBefore/AfterOffset at every so many: each answered
    in time, and what it answers lies in the text and is the text there."""
    text = control.queryText()
    length = text.characterCount
    whole = text.getText(0, -1)
    check(len(whole) == length, f"{name}: {len(whole)} characters of {length}")
    offsets = list(range(-1, length + 2))
    for kind, boundary in BOUNDARIES.items():
        for offset in offsets:
            queries = [("at", text.getTextAtOffset)]
            if offset % every == 0 or offset >= length - 1:
                queries += [("before", text.getTextBeforeOffset), ("after", text.getTextAfterOffset)]
            for label, query in queries:
                what = f"{name}: text {label} offset {offset}, {kind}"
                found, start, end = timed(what, lambda: query(offset, boundary))
                if not 0 <= offset <= length:
                    continue
                check(0 <= start <= end <= length and whole[start:end] == found,
                      f"{what}: {found!r} at {start}-{end}")
                if label == "at" and offset < length:
                    check(start <= offset < end, f"{what}: {start}-{end} misses the offset")


def check_sampled_queries(control, name):
    """A long text: getTextAtOffset with every boundary type at its ends and
    at every 37th offset, each answered in time."""
    text = control.queryText()
    length = text.characterCount
    for offset in sorted(set(range(0, length, 37)) | {length - 1, length, length + 1}):
        for kind, boundary in BOUNDARIES.items():
            timed(f"{name}: offset {offset}, {kind}",
                  lambda: text.getTextAtOffset(offset, boundary))


def announcements_during(action):
    """The notifications that become visible while the action runs and
    shortly after: (name, whether it is focused)."""
    seen = []

    def on_showing(event):
        source = event.source
        if event.detail1 == 1 and source is not None and source.getRoleName() == "notification":
            seen.append((source.name, source.getState().contains(pyatspi.STATE_FOCUSED)))

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    action()
    context = GLib.MainContext.default()
    deadline = time.monotonic() + TIMEOUT
    while not seen and time.monotonic() < deadline:
        context.iteration(False)
        time.sleep(0.01)
    pyatspi.Registry.deregisterEventListener(on_showing, "object:state-changed:showing")
    return seen


def focused(accessible):
    return accessible.getState().contains(pyatspi.STATE_FOCUSED)


def check_help_viewer(application, dialog):
    press(find(dialog, "push button", "Mis värk on ?!"))
    viewer = wait_for("the help viewer", window_of(application, "Ombrix – abi"))
    check(viewer.getRoleName() == "frame", f"help viewer role {viewer.getRoleName()}")
    document = wait_for("the help document", lambda: find_role(viewer, "document frame"))
    check(document.name == "Ombrix – abi", f"help document name {document.name!r}")
    text = document.queryText()
    check(text.characterCount > 5000, f"help document: {text.characterCount} characters")
    parts = [(c.getRoleName(), c.name) for c in children(document)]
    headings = [name for role, name in parts if role == "heading"]
    links = [name for role, name in parts if role == "link"]
    check(headings[:2] == ["Ombrix – abi", "Mida Ombrix teeb"] and len(headings) >= 7,
          f"help headings: {headings}")
    check("Sünnikuupäeva sisestamine" in links, f"help links: {links}")
    link = next(c for c in children(document)
                if c.getRoleName() == "link" and c.name == "Sünnikuupäeva sisestamine")
    press(link)
    line = wait_for("the caret at the link's target", lambda: (
        lambda found: found if "Sünnikuupäeva sisestamine" in found and
        text.caretOffset > 200 else None)(
            text.getTextAtOffset(text.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)[0]))
    check(line.strip() == "Sünnikuupäeva sisestamine", f"after the link: {line!r}")
    check_sampled_queries(document, "help document")
    press(find(viewer, "push button", "Sulge"))
    wait_for("the help viewer to close",
             lambda: None if window_of(application, "Ombrix – abi")() else True)


def find_role(accessible, role):
    if accessible.getRoleName() == role:
        return accessible
    for child in children(accessible):
        found = find_role(child, role)
        if found is not None:
            return found
    return None


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

    date = find(dialog, "text", "Sünnikuupäev ja aasta:")
    report = find(dialog, "text", "Mida siis Kosmos räägib:")
    check_text_queries(date, "date input")
    check_text_queries(report, "report view", every=7)
    found, start, end = date.queryText().getTextAtOffset(17, pyatspi.TEXT_BOUNDARY_WORD_START)
    check((found, start, end) == ("1980", 13, 17), f"the word at the end: {found!r} {start}-{end}")

    # Weston's headless backend has no keyboard, so nothing has the focus.
    keyboard = "WAYLAND_DISPLAY" not in os.environ
    ok = find(dialog, "push button", "OK")
    if keyboard:
        ok.queryComponent().grabFocus()
        wait_for("the focus on OK", lambda: True if focused(ok) else None)
    said = announcements_during(lambda: press(ok))
    check(said == [("Uus tekst: 27. oktoober 1980", False)], f"announced: {said}")
    check(focused(ok) or not keyboard, "the focus stays on OK after the report")
    check_sampled_queries(report, "the whole report")

    check_help_viewer(application, dialog)

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
