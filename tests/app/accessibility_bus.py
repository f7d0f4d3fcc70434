"""The client side of the tests on the accessibility bus.

tour OUTPUT_DIR EXPECTED_ROWS: finds the running Tessla on the bus, prints its main window's tree,
checks that no control in it is a nameless filler and that the large buttons are found by role and
name, and reads the count label. Then it searches as a blind user would: presses "Sök", finds the
last-name field of the search window by its label, types "Berg" into it, presses the window's "Sök",
and reads the count label and the rows of the result list, which must be the rows of EXPECTED_ROWS
(what `tessla-db search` printed: record, name and year, tab-separated). Last it presses the English
flag through its action, waits for the names to follow the language, prints the tree again and
presses Exit.

count EXPECTED: waits until the main window's count label reads EXPECTED (what a screen reader
hears after a search), and fails with what it read otherwise.
"""

import os
import sys
import time

import pyatspi

# Rows of a table printed in the tree; the rest are counted only.
TABLE_ROWS_SHOWN = 5


def fail(message):
    print(f"accessibility client: {message}", file=sys.stderr)
    sys.exit(1)


def wait_for(what, find, seconds=30):
    """The first true answer of `find`, asked until `seconds` have passed."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    fail(f"{what} did not appear")


def window_named(title):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "Tessla":
            app.clear_cache()
            for window in app:
                if window is not None and window.name == title:
                    return window
    return None


def main_window():
    return window_named("Tessla")


def nodes(node):
    """Every node under `node`, itself first; a table's cells are left to its table interface."""
    yield node
    if node.getRole() == pyatspi.ROLE_TABLE:
        return
    for child in node:
        if child is not None:
            yield from nodes(child)


def describe(node):
    states = node.getState()
    marks = [mark for mark, state, present in (("checked", pyatspi.STATE_CHECKED, True),
                                                ("disabled", pyatspi.STATE_ENABLED, False),
                                                ("hidden", pyatspi.STATE_SHOWING, False))
             if states.contains(state) == present]
    return f'{node.getRoleName()} "{node.name}"' + (f" [{', '.join(marks)}]" if marks else "")


def tree_lines(node, depth=0):
    lines = ["  " * depth + describe(node)]
    if node.getRole() == pyatspi.ROLE_TABLE:
        table = node.queryTable()
        lines.append("  " * (depth + 1) + f"{table.nRows} rows, {table.nColumns} columns")
        for row in range(min(table.nRows, TABLE_ROWS_SHOWN)):
            cells = [table.getAccessibleAt(row, column).name for column in range(table.nColumns)]
            lines.append("  " * (depth + 1) + " | ".join(cells))
        return lines
    for child in node:
        if child is not None:
            lines.extend(tree_lines(child, depth + 1))
    return lines


def check_and_print(window, path):
    lines = tree_lines(window)
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    fillers = [describe(node) for node in nodes(window)
               if node.getRole() == pyatspi.ROLE_FILLER and not node.name]
    if fillers:
        fail(f"nameless fillers in {path}: {fillers}")


def control(window, role, name):
    for node in nodes(window):
        if node.getRole() == role and node.name == name and node.getState().contains(pyatspi.STATE_SHOWING):
            return node
    return None


def press(node):
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index).lower() == "press":
            action.doAction(index)
            return
    fail(f"{describe(node)} has no press action")


def count_label(window):
    for node in nodes(window):
        if node.getRole() == pyatspi.ROLE_LABEL and node.name.split(" ")[0].isdigit():
            return node.name
    return None


def wait_for_count(expected):
    wait_for("the main window on the bus", main_window)
    deadline = time.monotonic() + 30
    count = None
    while time.monotonic() < deadline:
        count = count_label(main_window())
        if count == expected:
            print(f"accessibility client: the count label reads {count!r}")
            return
        time.sleep(0.2)
    fail(f"the count label says {count!r}, not {expected!r}")


def result_rows(window):
    """The result list's rows as name and year, read through the table interface."""
    grid = control(window, pyatspi.ROLE_TABLE, "Resultatlista")
    table = grid.queryTable()
    return [(table.getAccessibleAt(row, 0).name, table.getAccessibleAt(row, 1).name)
            for row in range(table.nRows)]


def search_by_last_name(name, expected_rows):
    press(control(main_window(), pyatspi.ROLE_PUSH_BUTTON, "Sök"))
    search = wait_for("the window 'Tessla, sök'", lambda: window_named("Tessla, sök"))
    field = wait_for("the field labelled Efternamn", lambda: control(search, pyatspi.ROLE_TEXT, "Efternamn"))
    field.queryEditableText().setTextContents(name)
    press(control(search, pyatspi.ROLE_PUSH_BUTTON, "Sök"))
    wait_for_count(f"{len(expected_rows)} valda")
    rows = result_rows(main_window())
    if rows != expected_rows:
        fail(f"the result list reads {rows}, tessla-db found {expected_rows}")
    print(f"accessibility client: searched {name!r} through the bus and read {rows}")


def tour(out, expected_file):
    with open(expected_file, encoding="utf-8") as lines:
        expected_rows = [tuple(line.rstrip("\n").split("\t")[1:3]) for line in lines if line.strip()]
    window = wait_for("the main window on the bus", main_window)
    for name in ("Sök", "Sök barn", "Skriv ut", "Om Tessla", "Avsluta"):
        wait_for(f'the push button "{name}"', lambda: control(main_window(), pyatspi.ROLE_PUSH_BUTTON, name))
    check_and_print(main_window(), os.path.join(out, "main_window_sv.txt"))
    count = count_label(main_window())
    if count != "0 valda":
        fail(f"the count label says {count!r}")
    search_by_last_name("Berg", expected_rows)

    press(control(main_window(), pyatspi.ROLE_RADIO_BUTTON, "English"))
    wait_for('the push button "Search"', lambda: control(main_window(), pyatspi.ROLE_PUSH_BUTTON, "Search"))
    window = main_window()
    check_and_print(window, os.path.join(out, "main_window_en.txt"))
    if not control(window, pyatspi.ROLE_RADIO_BUTTON, "English").getState().contains(pyatspi.STATE_CHECKED):
        fail("the English flag is not checked after its press")
    count = count_label(window)
    if count != f"{len(expected_rows)} selected records":
        fail(f"the count label says {count!r} in English")

    press(control(window, pyatspi.ROLE_PUSH_BUTTON, "Exit"))
    print(f"accessibility client: count label read, flag and Exit pressed, trees in {out}")


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "tour":
        tour(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 3 and sys.argv[1] == "count":
        wait_for_count(sys.argv[2])
    else:
        fail("usage: accessibility_bus.py tour OUTPUT_DIR EXPECTED_ROWS | count EXPECTED")


if __name__ == "__main__":
    main()
