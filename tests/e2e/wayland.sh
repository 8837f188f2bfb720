#!/usr/bin/env bash
# The real program in a Wayland session: weston's headless compositor, Qt's
# Wayland platform. Headless weston has no keyboard or pointer, so the game is
# driven the way a screen reader drives it, through the accessibility bus
# (tests/e2e/atspi.py): the splash and then the table come up, a card turns,
# the high scores and About open and close from the menus, Exit ends the
# program, and nothing is printed on the way.
#   wayland.sh GAME [SHOTS]   SHOTS: a folder for weston's screenshots
set -euo pipefail
game="$1"
shots="${2:-}"
here=$(cd "$(dirname "$0")" && pwd)

source "$here/session.sh"
fail() {
  echo "FAIL: $*"
  [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" | tail -n 20
  [ -f "$work/weston.log" ] && sed 's/^/  weston: /' "$work/weston.log" | tail -n 5
  exit 1
}

unset DISPLAY
export WAYLAND_DISPLAY=wayland-bmd
# --debug lets weston-screenshooter take pictures of the output.
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 \
  ${shots:+--debug} --no-config >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 10 test -S "$work/$WAYLAND_DISPLAY" || fail "weston did not start"
start_accessibility_bus

# Qt 6.4's text input needs a seat that headless weston has not; the compose
# input method does without one.
QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$game" >"$work/game.out" 2>"$work/game.log" &
game_pid=$!
pids+=("$game_pid")

# What the accessibility bus shows: `bus showing ROLE NAME` succeeds while
# such a window is on the screen; `bus press NAME [ROLE]` presses the named
# object (a menu item, a button) of the showing windows; `bus turn N` turns
# card N as a screen reader does; `bus card N` prints its name.
bus() {
  /usr/bin/python3 - "$@" <<'EOF'
import os
import sys
sys.path.insert(0, os.environ["BMD_E2E"])
import pyatspi
from atspi import TITLE, walk

def showing():
    for app in pyatspi.Registry.getDesktop(0):
        for window in app or []:
            if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
                yield window

command, args = sys.argv[1], sys.argv[2:]
if command == "showing":
    sys.exit(0 if any(w.getRoleName() == args[0] and w.name == args[1] for w in showing()) else 1)
windows = list(showing())
nodes = [node for window in windows for node, _ in walk(window)]
if command == "press":
    role = args[1] if len(args) > 1 else None
    for node in nodes:
        if node.name == args[0] and (role is None or node.getRoleName() == role):
            node.queryAction().doAction(0)
            sys.exit(0)
elif command in ("turn", "card"):
    tables = [node for node in nodes if node.getRole() == pyatspi.ROLE_TABLE and node.name != "High Scores"]
    card = tables[0][int(args[0])] if tables else None
    if card is not None:
        if command == "turn":
            card.queryAction().doAction(0)
        else:
            print(card.name)
        sys.exit(0)
sys.exit(1)
EOF
}
export BMD_E2E="$here"
# A press that opens a modal window answers only when it closes: it runs aside.
press_aside() { bus press "$@" >/dev/null 2>&1 & }
shoot() {
  if [ -n "$shots" ]; then
    (cd "$shots" && weston-screenshooter >/dev/null 2>&1 && mv -f wayland-screenshot-*.png "wayland-$1.png") || true
  fi
}
frame_showing() { bus showing frame "$TITLE"; }
TITLE="Brightmoose Derudirodozir"

wait_for 20 bus showing filler "$TITLE" || fail "the splash did not come up"
wait_for 20 frame_showing || fail "the table did not come up"
splash_gone() { ! bus showing filler "$TITLE"; }
wait_for 10 splash_gone || fail "the splash is still showing beside the table"
dealt() { [ "$(bus card 13)" = "Row 2, card 5, face down" ]; }
wait_for 20 dealt || fail "card 13 is named '$(bus card 13 || true)'"

bus turn 13 || fail "the screen reader could not turn card 13"
turned() { [[ "$(bus card 13)" != *"face down" ]]; }
wait_for 10 turned || fail "card 13 did not turn: $(bus card 13 || true)"
shoot table

# open_and_close MENU-ITEM DIALOG SHOT: the menu item opens the dialog, its
# OK button closes it.
open_and_close() {
  press_aside "$1" "menu item"
  wait_for 20 bus showing dialog "$2" || fail "$1 did not open $2"
  shoot "$3"
  bus press OK "push button" || fail "no OK button in $2"
  dialog=$2
  closed() { ! bus showing dialog "$dialog"; }
  wait_for 20 closed || fail "OK did not close $2"
}
open_and_close "High Scores" "$TITLE High Scores" highscores
open_and_close "About..." "About $TITLE" about

press_aside Exit "menu item"
wait_for 20 eval '! kill -0 "$game_pid" 2>/dev/null' || fail "Exit did not end the program"
wait "$game_pid" || fail "the program ended with status $?"
[ ! -s "$work/game.log" ] || fail "the program printed on standard error: $(head -n 5 "$work/game.log")"
echo "PASS: splash, table, a card turned, high scores and About opened and closed on Wayland (weston, headless), nothing printed"
