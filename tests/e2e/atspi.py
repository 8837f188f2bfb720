#!/usr/bin/python3
# Reads the game's windows as a screen reader does, through the AT-SPI bus:
#   atspi.py tree [lines]   the main window's tree, one object a line
#   atspi.py cards          every card the table still offers: "x y w h name",
#                           its place on the screen and its name
#   atspi.py counters       the names of the status bar's numbers
#   atspi.py focused        the name of the object that has the focus
#   atspi.py scores         the high-score table: its column headers, then
#                           the first place: rank, score, player
# Prints nothing (and exits 1) while the game is not on the bus yet.
import signal
import sys

import pyatspi

TITLE = "Brightmoose Derudirodozir"


def find_window(title, role):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == title and window.getRole() == role:
                return window
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def describe(node):
    states = node.getState().getStates()
    shown = [pyatspi.stateToString(s) for s in states
             if s in (pyatspi.STATE_FOCUSED, pyatspi.STATE_SELECTED, pyatspi.STATE_FOCUSABLE)]
    return f'[{node.getRoleName()}] "{node.name}"' + (f" ({', '.join(shown)})" if shown else "")


def main():
    # A reader that has seen enough (grep -q) ends the listing quietly.
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)
    command = sys.argv[1]
    if command == "scores":
        window = find_window(TITLE + " High Scores", pyatspi.ROLE_DIALOG)
    else:
        window = find_window(TITLE, pyatspi.ROLE_FRAME)
    if window is None:
        return 1
    nodes = list(walk(window))
    if command == "tree":
        limit = int(sys.argv[2]) if len(sys.argv) > 2 else len(nodes)
        for node, depth in nodes[:limit]:
            print("  " * depth + describe(node))
    elif command == "cards":
        tables = [node for node, _ in nodes if node.getRole() == pyatspi.ROLE_TABLE]
        for card in tables[0] if tables else []:
            box = card.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            print(box.x, box.y, box.width, box.height, card.name)
    elif command == "counters":
        for node, _ in nodes:
            if node.name.startswith(("Tries ", "Matches made ", "Matches remaining ")):
                print(node.name)
    elif command == "scores":
        table = [node for node, _ in nodes if node.getRole() == pyatspi.ROLE_TABLE][0].queryTable()
        print(",".join(table.getColumnDescription(c) for c in range(table.nColumns)))
        print(",".join([table.getRowDescription(0)] + [table.getAccessibleAt(0, c).name for c in range(table.nColumns)]))
    elif command == "focused":
        for node, _ in nodes:
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                print(node.name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
