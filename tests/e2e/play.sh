#!/usr/bin/env bash
# Plays the real program on a real X server with real input events: the
# window appears, two cards are turned, a screenshot shows them face up, and
# after the pause they are face down again or gone. Ctrl+S saves the game under
# a name typed into the dialog, and the file holds the game. F3 ends the program.
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

# The splash bears the program's name too: the main window is the one that
# is no splash (a search during the hand-over could find the closing splash).
main_window() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Brightmoose Derudirodozir$' 2>/dev/null); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q SPLASH || { echo "$id"; return 0; }
  done
  return 1
}
window=""
for _ in $(seq 200); do window=$(main_window) && break; sleep 0.1; done
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

# Save Game with Ctrl+S: the name typed into the dialog is the file written.
saved="$work/saved game"
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool mousemove --sync $((X + 300)) $((Y + 5)) click 1
xdotool key ctrl+s
dialog=$(timeout 10 xdotool search --sync --onlyvisible --pid "$game_pid" --name 'Save' | head -n 1 || true)
[ -n "$dialog" ] || { echo "FAIL: Ctrl+S opened no save dialog"; exit 1; }
sleep 0.5
xdotool type --delay 5 "$saved"
xdotool key Return
for _ in $(seq 50); do [ -s "$saved" ] && break; sleep 0.1; done
[ "$(stat -c %s "$saved" 2>/dev/null)" = 640 ] || { echo "FAIL: the saved game is not a 640-byte file"; exit 1; }
faces=$(od -An -v -t d2 -j 0 -N 108 "$saved" | tr -s ' ' '\n' | grep -v '^$' | sort -n | uniq)
[ "$(wc -l <<<"$faces")" = 54 ] && [ "$(head -n 1 <<<"$faces")" = 1 ] && [ "$(tail -n 1 <<<"$faces")" = 54 ] ||
  { echo "FAIL: the saved faces are not 1 to 54 once each"; exit 1; }
read -r tries matches <<<"$(od -An -t d2 -j 216 -N 4 "$saved")"
[ "$tries" = 1 ] && [ "$matches" -le 1 ] || { echo "FAIL: saved counters $tries, $matches"; exit 1; }
removed=$(od -An -v -t d2 -j 108 -N 108 "$saved" | tr -s ' ' '\n' | grep -c '^0$' || true)
[ "$removed" = $((2 * matches)) ] || { echo "FAIL: $removed cards saved as found for $matches matches"; exit 1; }
[ -z "$(od -An -v -t x1 -j 220 "$saved" | tr -d ' 0\n')" ] || { echo "FAIL: bytes after the record are not zero"; exit 1; }

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key F3
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then echo "FAIL: F3 did not end the program"; exit 1; fi
echo "PASS: window shown, two cards turned and turned back, game saved with Ctrl+S, F3 ended the program"
