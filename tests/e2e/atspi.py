#!/usr/bin/python3
# Reads and drives the game's showing windows as a screen reader does,
# through the AT-SPI bus:
#   atspi.py showing ROLE NAME  succeeds while such a window shows
#   atspi.py cards              every card the table still offers: "x y w h name",
#                               its place on the screen and its name
#   atspi.py counters           the names of the status bar's numbers
#   atspi.py press NAME         does what the named card, menu item or button does
# Fails (status 1) while what it looks for is not on the bus.
import signal
import sys

import pyatspi

TITLE = "Brightmoose Derudirodozir"


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def showing(role=None, name=None):
    for app in pyatspi.Registry.getDesktop(0):
        for window in app or []:
            if (window is not None and window.getState().contains(pyatspi.STATE_SHOWING)
                    and role in (None, window.getRoleName()) and name in (None, window.name)):
                yield window


def inside(role, name):
    return [node for window in showing(role, name) for node in walk(window)]


def main(command, *args):
    # A reader that has seen enough (grep -q) ends the listing quietly.
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)
    if command == "showing":
        return any(showing(*args))
    if command == "press":
        for node in inside(None, None):
            if node.name == args[0] and "Action" in pyatspi.listInterfaces(node):
                node.queryAction().doAction(0)
                return True
        return False
    nodes = inside("frame", TITLE)
    for node in nodes:
        if command == "cards" and node.getRole() == pyatspi.ROLE_TABLE:
            for card in node:
                box = card.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                print(box.x, box.y, box.width, box.height, card.name)
        elif command == "counters" and node.name.startswith(("Tries ", "Matches made ", "Matches remaining ")):
            print(node.name)
    return bool(nodes)


if __name__ == "__main__":
    sys.exit(0 if main(*sys.argv[1:]) else 1)
