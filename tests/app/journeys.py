"""Whole journeys through the running program, made as a user makes them: keys go with xdotool to
whatever control has the focus, clicks land where a control is on screen, and what the user would
see is read back: the count label and the result list through the accessibility bus, the record
copy from the clipboard, a printed table from its PDF file.

census FILE                    writes the census the journeys run on (CSV for tessla-db build)
JOURNEY WORK TESSLA_DB SHOTS   makes one journey with the program running on WORK/db/tessla.ini:
  narrow     a search, a person near the end of the list, the search narrowed by that person's
             first name: the same person is shown
  pick       a name picked from the last-name list of the person search (the list button clicked
             while its field has the focus) and one from the child's first-name list of the child
             search (the list button pressed from the keyboard), OK, Enter: each window searches
             with the picks and closes
  print      a search, a household member clicked, Ctrl+P, a table printed to a PDF file: the file
             holds the result's rows and the window says where it went
  language   English, every window opened and closed in turn, Swedish, the same, a search again
Each journey ends the program with its Exit button.
"""

import os
import subprocess
import sys
import time

import pyatspi

import accessibility_bus as bus

# The first names of the Berg households; every pair of them names one person.
NAMES = ["Adam", "Britta", "Carl", "David", "Erik", "Frida", "Gustaf", "Hilda"]
HEADER = ("POSTID,HEMLEN,HEMFO,HEMBY,HUSHNR,FAMST,FAMNR,FAMSTKOD,FNAMN,ENAMN,TITEL,YRKE,YRKESKOD,LYTE,"
          "FODAR,FOFORS,FOFORS1890,FOLEN1890,FOLAND1890,SCB1989,GENUS,CIVST,TRO,NATION,FRANV,STRUKEN,ÖVRIGT")
ROLES = ["F", "M", "B", "B"]


def row(number, household, role, first, last, year):
    return (f"{number},Uppsala län,Alunda (Uppsala län);Uppland,Alunda,{household},,1,{role},{first},{last},,,,,"
            f"{year},Alunda,,,,,,,,,,,")


def census(path):
    """64 Bergs, "Berg, Adam Adam" to "Berg, Hilda Hilda" (record 8 × first + second + 1, in
    households of four: father, mother, two children), a Lind household of five and three Eks."""
    lines = [HEADER]
    for first in range(len(NAMES)):
        for second in range(len(NAMES)):
            number = 8 * first + second + 1
            lines.append(row(number, 100 + (number - 1) // 4, ROLES[(number - 1) % 4],
                             f"{NAMES[first]} {NAMES[second]}", "Berg", 1840 + number % 40))
    lind = [("F", "Olof", 1840), ("M", "Maja", 1844), ("B", "Nils", 1870), ("B", "Ida", 1872), ("B", "Per", 1875)]
    for k, (role, first, year) in enumerate(lind):
        lines.append(row(65 + k, 300, role, first, "Lind", year))
    for k, first in enumerate(["Sven", "Stina", "Jonas"]):
        lines.append(row(70 + k, 400 + k, "F", first, "Ek", 1850 + k))
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


# ---- the user's hands -------------------------------------------------------------------------------

def key(*keys):
    """Keys to the control that has the focus, as a keyboard sends them."""
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "80", *keys], check=True)
    time.sleep(0.3)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "50", text], check=True)
    time.sleep(0.3)


def click(node, button=1):
    """A click in the middle of `node` where it is on screen."""
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = extents.x + extents.width // 2, extents.y + extents.height // 2
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", str(button)], check=True)
    time.sleep(0.3)


def shown_window(title):
    """The window titled `title` while it shows; a closed one stays on the bus, hidden."""
    found = bus.window_named(title)
    return found if found is not None and found.getState().contains(pyatspi.STATE_SHOWING) else None


def window(title):
    """The window titled `title` once it shows, with the keyboard's focus, as a window manager
    gives it to a new window."""
    found = bus.wait_for(f"the window {title!r}", lambda: shown_window(title))
    focus(title)
    return found


def closed(title):
    bus.wait_for(f"the window {title!r} to close", lambda: shown_window(title) is None)


def found(where, role, name):
    return bus.wait_for(f'{pyatspi.Role(role)} "{name}"', lambda: bus.control(where(), role, name))


def button(where, name):
    return found(where, pyatspi.ROLE_PUSH_BUTTON, name)


def focus(title):
    """Gives the window titled `title` the keyboard's focus, as a click on it would."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], capture_output=True,
                         text=True).stdout.split()
    if not ids:
        bus.fail(f"no visible window titled {title!r}")
    subprocess.run(["xdotool", "windowfocus", "--sync", ids[-1]], check=True)
    time.sleep(0.3)


def focus_main():
    focus("Tessla")


def shot(shots, name):
    subprocess.run(["import", "-window", "root", os.path.join(shots, name)], check=True)


# ---- what the user sees -----------------------------------------------------------------------------

def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True).stdout


def record_copy(tessla_db, ini, record):
    """What Ctrl+C puts on the clipboard for `record`: its heading and person text, lines ended by
    CR LF."""
    text = subprocess.run([tessla_db, "show", "--ini", ini, "--record", str(record)], capture_output=True,
                          check=True).stdout
    return b"".join(line + b"\r\n" for line in (f"Post {record}\n\n".encode() + text).split(b"\n")[:-1])


def expect_record_copy(tessla_db, ini, record, what):
    expected = record_copy(tessla_db, ini, record)
    copied = b""
    for _ in range(40):
        focus_main()
        key("ctrl+c")
        copied = clipboard()
        if copied == expected:
            print(f"journey: {what}: the record copy is record {record}")
            return
        time.sleep(0.3)
    bus.fail(f"{what}: the record copy is not record {record}:\n{copied[:300]!r}\nexpected\n{expected[:300]!r}")


def search_last_name(name, count):
    focus_main()
    key("ctrl+b")
    search = window("Tessla, sök")
    field = found(lambda: search, pyatspi.ROLE_TEXT, "Efternamn")
    field.queryEditableText().setTextContents("")
    field.queryComponent().grabFocus()
    type_text(name)
    key("Return")
    closed("Tessla, sök")
    bus.wait_for_count(count)


# ---- the journeys -----------------------------------------------------------------------------------

def narrow(work, tessla_db, shots):
    ini = os.path.join(work, "db", "tessla.ini")
    search_last_name("Berg", "64 valda")
    # The result list has the focus after a search; the fourth row from the end is Hilda Erik.
    key("End", "Up", "Up", "Up")
    expect_record_copy(tessla_db, ini, 61, "Berg, fourth from the end")
    focus_main()
    key("ctrl+b")
    search = window("Tessla, sök")
    found(lambda: search, pyatspi.ROLE_TEXT, "Förnamn").queryEditableText().setTextContents("Hilda")
    shot(shots, "journey_narrow_search.png")
    key("Return")
    closed("Tessla, sök")
    # Berg with a first name Hilda: the eight Hildas and the seven others with Hilda as a second name.
    bus.wait_for_count("15 valda")
    shot(shots, "journey_narrow_result.png")
    expect_record_copy(tessla_db, ini, 61, "narrowed by Hilda")


def pick_in(shots, title, field_label, list_button, by_keyboard, entry):
    """Opens the list of the field labelled `field_label` in the window `title`, marks `entry` and
    closes the list with OK, then presses Enter in the window."""
    search = window(title)
    field = found(lambda: search, pyatspi.ROLE_TEXT, field_label)
    field.queryComponent().grabFocus()
    time.sleep(0.3)
    if by_keyboard:
        # From the field: its type button, then its list button.
        key("Tab", "Tab", "space")
    else:
        click(found(lambda: search, pyatspi.ROLE_CHECK_BOX, list_button))
    picker = window("Tessla, söklista")
    # Quick find moves the list to the entry; the list is just before it in the focus chain.
    type_text(entry)
    key("shift+Tab", "space")
    shot_name = "journey_pick_" + ("keyboard" if by_keyboard else "click") + ".png"
    shot(shots, shot_name)
    click(button(lambda: picker, "OK"))
    closed("Tessla, söklista")
    focus(title)
    key("Return")
    closed(title)


def pick(work, tessla_db, shots):
    focus_main()
    key("ctrl+b")
    pick_in(shots, "Tessla, sök", "Efternamn", "Efternamn: Välj sökord från lista", False, "Lind")
    bus.wait_for_count("5 valda")
    focus_main()
    press_main("Sök barn")
    pick_in(shots, "Tessla, sök barn", "Förnamn", "Förnamn: Välj sökord från lista", True, "Ida")
    bus.wait_for_count("1 valda")


def press_main(name):
    bus.press(button(bus.main_window, name))


def print_table(work, tessla_db, shots):
    search_last_name("Berg", "64 valda")
    household = found(bus.main_window, pyatspi.ROLE_TABLE, "Hushåll")
    bus.wait_for("the household's rows", lambda: household.queryTable().nRows >= 4)
    click(household.queryTable().getAccessibleAt(2, 0))
    focus_main()
    key("ctrl+p")
    printing = window("Tessla, utskrift")
    # The window opens on its list of kinds: the table is the second.
    key("Down")
    click(button(lambda: printing, "Skriv ut"))
    pdf = os.path.join(work, "tabell.pdf")
    window("Spara utskriften som PDF")
    type_text_into_file_dialog(pdf)
    status = bus.wait_for("the print's result line",
                          lambda: status_line(shown_window("Tessla, utskrift"), pdf), seconds=60)
    print(f"journey: the print window says {status!r}")
    shot(shots, "journey_print_done.png")
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, check=True, text=True).stdout
    missing = [f"Berg, {a} {b}" for a in NAMES for b in NAMES if f"Berg, {a} {b}" not in text]
    if missing:
        bus.fail(f"the printed table lacks {missing[:5]} and {len(missing) - min(5, len(missing))} more")
    key("Escape")
    closed("Tessla, utskrift")


def type_text_into_file_dialog(path):
    """The file dialog starts with its file name field focused and a name filled in."""
    time.sleep(0.5)
    key("ctrl+a")
    type_text(path)
    key("Return")
    closed("Spara utskriften som PDF")


def status_line(print_window, pdf):
    if print_window is None:
        return None
    for node in bus.nodes(print_window):
        if node.getRole() == pyatspi.ROLE_LABEL and pdf in node.name:
            return node.name
    return None


def language(work, tessla_db, shots):
    search_last_name("Berg", "64 valda")
    for flag, titles in (("English", ENGLISH_WINDOWS), ("Svenska", SWEDISH_WINDOWS)):
        focus_main()
        bus.press(found(bus.main_window, pyatspi.ROLE_RADIO_BUTTON, flag))
        for opener, title in titles:
            focus_main()
            opener()
            window(title)
            key("Escape")
            closed(title)
            print(f"journey: {flag}: {title!r} opened and closed")
    search_last_name("Lind", "5 valda")


ENGLISH_WINDOWS = [
    (lambda: key("ctrl+b"), "Tessla, Search"),
    (lambda: press_main("Child search"), "Tessla, Child search"),
    (lambda: key("ctrl+p"), "Tessla, Print"),
    (lambda: press_main("About"), "Tessla, Help"),
]
SWEDISH_WINDOWS = [
    (lambda: key("ctrl+b"), "Tessla, sök"),
    (lambda: press_main("Sök barn"), "Tessla, sök barn"),
    (lambda: key("ctrl+p"), "Tessla, utskrift"),
    (lambda: press_main("Statistik"), "Tessla, statistik"),
    (lambda: press_main("Om Tessla"), "Tessla, hjälp"),
]

JOURNEYS = {"narrow": narrow, "pick": pick, "print": print_table, "language": language}
def main():
    if len(sys.argv) == 3 and sys.argv[1] == "census":
        census(sys.argv[2])
        return
    if len(sys.argv) != 5 or sys.argv[1] not in JOURNEYS:
        bus.fail("usage: journeys.py census FILE | journeys.py JOURNEY WORK TESSLA_DB SHOTS")
    journey, work, tessla_db, shots = sys.argv[1:]
    bus.wait_for("the main window on the bus", bus.main_window)
    JOURNEYS[journey](work, tessla_db, shots)
    press_main("Avsluta" if bus.control(bus.main_window(), pyatspi.ROLE_PUSH_BUTTON, "Avsluta") else "Exit")
    print(f"journey {journey}: done")


if __name__ == "__main__":
    main()
