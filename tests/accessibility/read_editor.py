#!/usr/bin/python3
"""Reads the running program through the accessibility bus, as Orca does: the 5x7 field's
cells, the listing, the set window's status line, a 64x64 field as one table, About.

Run inside a D-Bus session with an X server (the CTest entry starts both):
    read_editor.py path/to/zerlin
Exits 77 (skipped) when the AT-SPI client library is missing.
"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    sys.exit(77)

EDITOR = "ZRL1.0-www.zerlin.example"
ABOUT = "About www.zerlin.example"
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what)


def wait_for(find, what, seconds=15):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    print("FAILED: no", what)
    sys.exit(1)


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass
    return None


def window(app, name):
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.name == name and child.getState().contains(
                pyatspi.STATE_SHOWING):
            return child
    return None


def child(parent, name):
    for i in range(parent.childCount):
        if parent.getChildAtIndex(i).name == name:
            return parent.getChildAtIndex(i)
    return None


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press") if "Press" in names else 0)


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
program = subprocess.Popen([sys.argv[1]], env=env)
try:
    app = wait_for(lambda: application(program.pid), "program on the accessibility bus")
    splash = wait_for(lambda: window(app, "Zerlin (ZRL)"), "splash window")
    check(splash.getRoleName() == "frame", "the splash is a window, not " + splash.getRoleName())

    subprocess.run(["xdotool", "key", "space"], check=True)  # skips the splash
    editor = wait_for(lambda: window(app, EDITOR), "editor window")
    check(editor.getRoleName() == "frame", "the editor is a frame, not " + editor.getRoleName())

    cell = child(editor, "Row 2, column 3")
    check(cell is not None and cell.getRoleName() == "push button", "cell Row 2, column 3")
    check(cell.description == "unlit", "a fresh cell is unlit")
    check(not cell.getState().contains(pyatspi.STATE_CHECKED), "a fresh cell is not checked")
    press(cell)
    wait_for(lambda: True if cell.description == "lit" else None, "lit cell")
    check(cell.getState().contains(pyatspi.STATE_CHECKED), "a lit cell is checked")

    listing = child(editor, "Data listing")
    lines = text_of(listing).split("\n")
    check(len(lines) == 7 and lines[1].rstrip() == "Data &B00100",
          "the listing reads the pressed cell: %r" % lines)

    # The character set's status line reads as its own text.
    subprocess.run(["xdotool", "key", "ctrl+shift+e"], check=True)
    charset = wait_for(lambda: window(app, "Untitled - Character Set"), "character set window")
    status = wait_for(lambda: child(charset, "95 characters"), "status line read by its text")
    check(status.getRoleName() == "label", "the status line is a label, not " + status.getRoleName())

    # A 64x64 field is one table, its cells made as asked: each named, lit when pressed.
    def field_size_dialog():
        # The keys to the editor (there is no window manager to give it them), a menu left
        # open closed, and the field's menu opened from a cell.
        subprocess.run(["xdotool", "search", "--name", EDITOR, "windowfocus", "--sync"],
                       check=True)
        subprocess.run(["xdotool", "key", "Escape"], check=True)
        cell.queryComponent().grabFocus()
        subprocess.run(["xdotool", "key", "--delay", "250", "shift+F10", "z", "o"], check=True)
        return window(app, "Field Size")
    wait_for(field_size_dialog, "Field Size dialog")
    subprocess.run(["xdotool", "key", "--delay", "100", "ctrl+a", "6", "4", "Tab", "ctrl+a",
                    "6", "4", "Return"], check=True)
    table = wait_for(lambda: next((editor.getChildAtIndex(i) for i in range(editor.childCount)
                                   if editor.getChildAtIndex(i).getRoleName() == "table"), None),
                     "the 64x64 field as a table")
    grid = table.queryTable()
    check((grid.nRows, grid.nColumns) == (64, 64), "a 64x64 table, not %dx%d" % (grid.nRows,
                                                                                grid.nColumns))
    dot = grid.getAccessibleAt(40, 50)
    check(dot.name == "Row 41, column 51" and dot.description == "unlit",
          "the cell reads its place and state: %s, %s" % (dot.name, dot.description))
    press(dot)
    wait_for(lambda: True if dot.description == "lit" else None, "the pressed cell lit")
    check(dot.getState().contains(pyatspi.STATE_CHECKED), "a lit table cell is checked")

    press(child(editor, "Help"))
    about = wait_for(lambda: window(app, ABOUT), "About window")
    check(about.getRoleName() == "dialog", "About is a dialog, not " + about.getRoleName())
finally:
    program.terminate()
    program.wait(timeout=10)

print("%d passed, %d failed" % (1 if not failures else 0, 1 if failures else 0))
sys.exit(1 if failures else 0)
