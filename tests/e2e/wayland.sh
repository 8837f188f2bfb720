#!/usr/bin/env bash
# The real program in a Wayland session: weston's headless compositor, Qt's
# Wayland platform. Headless weston has no keyboard or pointer, so the game is
# driven the way a screen reader drives it, through the accessibility bus
# (atspi.py): the splash and then the table come up, a card turns, the high
# scores and About open and close from the menus, Exit ends the program, and
# nothing is printed on the way.
set -euo pipefail
game="$1"
needs=weston source "$(dirname "$0")/session.sh"
on_fail 'tail -n 5 "$work/weston.log"'

unset DISPLAY
export WAYLAND_DISPLAY=wayland-bmd
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 \
  --no-config >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 10 test -S "$work/$WAYLAND_DISPLAY" || fail "weston did not start"
start_accessibility_bus
# Qt 6.4's text input needs a seat that headless weston has not; the compose
# input method does without one.
QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose start_game "$game"

title="Brightmoose Derudirodozir"
wait_for 20 atspi showing filler "$title" || fail "the splash did not come up"
wait_for 20 atspi showing frame "$title" || fail "the table did not come up"
wait_for 10 eval '! atspi showing filler "$title"' || fail "the splash is still showing beside the table"
wait_for 20 atspi press "Row 2, card 5, face down" || fail "no card 13 to turn: $(atspi cards | sed -n 14p)"
wait_for 10 eval '[[ "$(atspi cards | sed -n 14p)" != *"face down" ]]' || fail "card 13 did not turn"

# The menu item opens the dialog, its OK button closes it. A press that opens
# a modal window answers only when it closes: it runs aside.
for item in "High Scores=$title High Scores" "About...=About $title"; do
  atspi press "${item%%=*}" >/dev/null 2>&1 &
  wait_for 20 atspi showing dialog "${item#*=}" || fail "${item%%=*} did not open ${item#*=}"
  atspi press OK || fail "no OK button in ${item#*=}"
  wait_for 20 eval '! atspi showing dialog "${item#*=}"' || fail "OK did not close ${item#*=}"
done

atspi press Exit >/dev/null 2>&1 &
wait_for 20 game_ended || fail "Exit did not end the program"
wait "$game_pid" || fail "the program ended with status $?"
[ ! -s "$work/game.log" ] || fail "the program printed on standard error"
echo "PASS: splash, table, a card turned, high scores and About opened and closed on Wayland (weston, headless), nothing printed"
