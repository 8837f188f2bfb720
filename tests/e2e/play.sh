#!/usr/bin/env bash
# Plays the real program on a real X server with real input events: the
# window appears, two cards are turned, a screenshot shows them face up, and
# after the pause they are face down again or gone. F3 ends the program.
set -euo pipefail
game="$1"
work=$(mktemp -d)
trap 'kill "${game_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

# A display of our own, so that the test runs beside a desktop or other tests.
for display in $(seq 140 199); do
  [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
done
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The player's data goes to a scratch folder, not the machine's.
export HOME="$work" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
unset QT_QPA_PLATFORM
"$game" >"$work/game.log" 2>&1 &
game_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Brightmoose Derudirodozir$' | head -n 1)
[ -n "$window" ] || { echo "FAIL: the main window did not appear"; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"

# The client area starts below the menu bar (about 20 pixels); clicking at a
# card's middle tolerates any menu bar height from 0 to 40.
menu=22
card_x() { echo $((X + 8 + 72 * ($1 % 9))); }
card_y() { echo $((Y + menu + 32 + 96 * ($1 / 9))); }

# Average colour of card i's middle part on the screen: a face is mostly white,
# the back is blue, an empty place green: only a face has much red in it.
shade() {
  convert "$1" -crop "41x41+$(( $(card_x "$2") + 10 ))+$(( $(card_y "$2") + 24 ))" +repage \
    -scale '1x1!' -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
face_up() { read -r r _ _ <<<"$(shade "$1" "$2")"; [ "$r" -gt 120 ]; }
click() {
  xdotool mousemove --sync "$(( $(card_x "$1") + 30 ))" "$(( $(card_y "$1") + 44 ))" click 1
}

import -window root "$work/dealt.png"
for card in 0 1 53; do
  if face_up "$work/dealt.png" "$card"; then echo "FAIL: card $card is face up after the deal"; exit 1; fi
done

click 0
sleep 0.2
click 10
import -window root "$work/up.png"
for card in 0 10; do
  face_up "$work/up.png" "$card" || { echo "FAIL: card $card was not turned face up ($(shade "$work/up.png" "$card"))"; exit 1; }
done
if face_up "$work/up.png" 1; then echo "FAIL: an unclicked card is face up"; exit 1; fi

sleep 1.5
import -window root "$work/after.png"
for card in 0 10; do
  if face_up "$work/after.png" "$card"; then echo "FAIL: card $card is still face up after the pause"; exit 1; fi
done

xdotool key --window "$window" F3 2>/dev/null || true
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then echo "FAIL: F3 did not end the program"; exit 1; fi
echo "PASS: window shown, two cards turned and turned back, F3 ended the program"
