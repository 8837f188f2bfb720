#!/usr/bin/env bash
# Plays the real program on X11 under a window manager (openbox), with keys
# and the mouse, while Debian's screen reader (Orca) listens, and checks what
# the accessibility bus offers (atspi.py) and what Orca says (the SPEECH
# OUTPUT lines of its debug file). The splash has the
# keyboard and a key skips it; two tries by keys (a miss, then a pair) and one
# by mouse; a step Down says one card, an edge is heard; Ctrl+S saves under a
# typed name; the high scores are heard and F3 closes them, then the game.
# The game opens a saved game with a known deal: the cards of each pair lie
# side by side, aces first. Without Orca the rest runs and the test is
# skipped. BMD_ORCA_LOG=FILE keeps Orca's log.
set -euo pipefail
game="$1"
needs="Xvfb openbox xdotool xprop" source "$(dirname "$0")/session.sh"
start_xvfb
start_accessibility_bus
start_openbox
# Every window the window manager makes active, as it happens.
stdbuf -oL xprop -spy -root _NET_ACTIVE_WINDOW >"$work/active.log" 2>&1 &
pids+=($!)

# Orca refuses to start beside another Orca of the same user, and replacing
# it would end the user's own.
no_orca=""
command -v orca >/dev/null || no_orca="Orca is not installed"
pgrep -x -u "$(id -u)" orca >/dev/null && no_orca="another Orca of this user is running"
# What Orca said, one utterance a line (from the $1th on), without the full
# stop it adds.
speech() { grep -a "SPEECH OUTPUT: '" "$work/orca.log" | sed -n "$((${1:-0} + 1)),\$p" | sed "s/^.*SPEECH OUTPUT: '//; s/ *'[ ]*{'established.*\$//; s/\.\$//"; }
end_orca() {
  # Orca takes a moment to end; the next run must not find it. The speech
  # server it started would end by itself a little later.
  wait_for 10 eval '! kill -0 "$(cat "$work/orca.pid")" 2>/dev/null' || true
  kill "$(cat "$work/speech-dispatcher/pid/speech-dispatcher.pid")" 2>/dev/null || true
  wait 2>/dev/null || true
  [ -z "${BMD_ORCA_LOG:-}" ] || cp "$work/orca.log" "$BMD_ORCA_LOG"
}
if [ -z "$no_orca" ]; then
  # No sound here: speech goes to ALSA's null device, or it would stall Orca.
  echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
  mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
  echo 'AudioOutputMethod "alsa"' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
  for property in IsEnabled ScreenReaderEnabled; do
    wait_for 10 busctl --user set-property org.a11y.Bus /org/a11y/bus org.a11y.Status "$property" b true ||
      fail "could not switch on the accessibility bus"
  done
  # Orca writes its debug file in blocks, but line by line to a terminal:
  # script(1) gives it one and writes all of it to the log at once.
  script -qfc "echo \$\$ >'$work/orca.pid'; exec orca --debug-file=/dev/tty" "$work/orca.log" >/dev/null 2>&1 </dev/null &
  pids+=($!)
  on_exit end_orca
  on_fail 'echo "Orca said:" && speech | tail -n 25'
  wait_for 10 test -s "$work/orca.pid" && pids+=("$(cat "$work/orca.pid")")
  wait_for 30 grep -qa "SPEECH OUTPUT" "$work/orca.log" || fail "Orca did not start: $(tail -n 5 "$work/orca.log")"
fi
# Keys, then what Orca says from then on ($heard): `hear PATTERN` waits until
# it matches (without Orca it passes).
press() {
  [ -n "$no_orca" ] || mark=$(speech | wc -l)
  keys="$*"
  xdotool key --delay 150 "$@"
}
hear() {
  [ -z "$no_orca" ] || return 0
  matches() { heard=$(speech "$mark") && grep -qE "$1" <<<"$heard"; }
  wait_for 15 matches "$1" || fail "after '$keys' Orca did not say /$1/"
}

# The known deal: card 2k and card 2k+1 are a pair (ace of spades and of
# clubs, ...), every card on the table, no tries yet.
python3 - "$work/known.bcx" <<'PY'
import struct, sys
faces = [f for rank in range(13) for f in (rank + 1, rank + 27)]
faces += [f for rank in range(13) for f in (rank + 14, rank + 40)] + [53, 54]
open(sys.argv[1], "wb").write(struct.pack("<108h", *faces, *([-1] * 54)) + bytes(640 - 216))
PY
start_game "$game" "$work/known.bcx"

# The splash comes first and must have the keyboard, so that a key skips it.
splash=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1 || true)
[ -n "$splash" ] || fail "the splash did not appear"
xprop -id "$splash" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_SPLASH || fail "the splash was gone before it was seen"
splash_active() { grep -qi "window id # $(printf '0x%x' "$splash")\$" "$work/active.log"; }
wait_for 10 splash_active || fail "the splash never was the active window under the window manager"
press Escape
hear "Row 1, card 1, face down"
# What a screen reader finds: every card "x y w h name", the counters' names.
all_dealt() { [ "$(atspi cards | grep -c ', face down$' || true)" = 54 ]; }
wait_for 30 all_dealt || fail "the screen reader does not find 54 cards face down: $(atspi cards | head -n 3)"
atspi cards >"$work/cards"
# Card i: its place on the screen (from the deal, when all 54 were offered)
# and its name now (nothing once found).
place() { read -r x y w h _ <<<"$(sed -n "$(($1 + 1))p" "$work/cards")"; }
name_of() { atspi cards | cut -d' ' -f5- | grep -F "Row $(($1 / 9 + 1)), card $(($1 % 9 + 1)), " || true; }
counters_are() { [ "$(atspi counters | paste -sd,)" = "$want" ]; }
counters_say() { want=$1 && wait_for 10 counters_are || fail "the counters say '$(atspi counters | paste -sd,)', not '$1'"; }

press space
hear "^ace of spades$"
# A miss: face down again after the look. Orca is heard on the card before
# the look starts, or a slow Orca may miss the face while it shows.
press Right Right
hear "^Row 1, card 3, face down$"
press space
hear "^two of spades$"
hear "^No pair\. 1 try$"
[ "$(name_of 2)" = "Row 1, card 3, face down" ] || fail "card 2 is named '$(name_of 2)' after the look"
# A pair: gone from the table, the focus on the nearest card.
press Home Right space
hear "^ace of clubs$"
press Left space
hear "^Pair found: aces\. 1 made, 26 left$"
hear "^Row 2, card 1, face down$"
[ -z "$(name_of 0)$(name_of 1)" ] || fail "cards 0 and 1 are still offered after their pair"
# One step Down says the one card landed on, never its row.
press Down
hear "^Row 3, card 1, face down$"
[ -n "$no_orca" ] || [ "$(grep -c "Row [0-9], card" <<<"$heard")" = 1 ] || fail "one step Down said: $heard"
press ctrl+Home Up
hear "^Edge$"

# The mouse: two cards clicked are a try.
for card in 2 4; do
  place "$card"
  xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1
done
counters_say "Tries 3,Matches made 1,Matches remaining 26"

# Save Game with Ctrl+S: the name typed into the dialog is the file written,
# with the counters.
press ctrl+s
timeout 10 xdotool search --sync --onlyvisible --pid "$game_pid" --name 'Save' >/dev/null || fail "Ctrl+S opened no save dialog"
sleep 0.5
xdotool type --delay 5 "$work/saved game"
press Return
wait_for 10 test -s "$work/saved game" || fail "no saved game written"
[ "$(stat -c %s "$work/saved game")" = 640 ] && [ "$(od -An -t d2 -j 216 -N 4 "$work/saved game" | xargs)" = "3 1" ] ||
  fail "the saved game lost its counters"

# The high scores: a place is heard with its rank.
press ctrl+h
hear "OK"
scores="Brightmoose Derudirodozir High Scores"
wait_for 20 atspi showing dialog "$scores" || fail "Ctrl+H did not open the high scores"
press Tab
hear "^1, 99999"
press F3
hear "^Row [0-9], card"
wait_for 20 eval '! atspi showing dialog "$scores"' || fail "F3 did not close the high scores"
if [ -z "$no_orca" ]; then
  # Orca's own command (Insert and KP_Enter twice) reads the counters alone.
  # Last, as Orca may still hold Insert down for a moment after it.
  mark=$(speech | wc -l) keys="Insert+KP_Enter twice"
  xdotool keydown Insert key --delay 120 KP_Enter KP_Enter keyup Insert
  hear "^Matches remaining 26$"
  if grep -q "Pair\|ace of\|Row [0-9]" <<<"$heard"; then fail "reading the status bar said: $heard"; fi
fi
press F3
wait_for 10 game_ended || fail "F3 did not end the program"
[ -z "$no_orca" ] || { echo "SKIP: $no_orca; the game played by keys and mouse passed"; exit 77; }
echo "PASS: splash skipped by a key; a miss and a pair by keys, a try by mouse, heard and read on the bus; saved; high scores; ended"
