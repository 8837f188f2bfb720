#!/usr/bin/env bash
# Plays the real program with keys only while Debian's screen reader (Orca)
# listens, and checks what Orca says (the SPEECH OUTPUT lines of its debug
# file): the faces of a try's two cards, a miss and a pair once the look
# ends, the status bar by Orca's own command, one card for one step Down,
# an edge, a high-score row with its rank, and Escape closing the high
# scores. The game opens a saved game with a known deal: the cards of each
# pair lie side by side, aces first. BMD_ORCA_LOG=FILE keeps Orca's log.
set -euo pipefail
game="$1"

# Orca refuses to start beside another Orca of the same user, and replacing
# it would end the user's own.
if pgrep -x -u "$(id -u)" orca >/dev/null; then
  echo "SKIP: another Orca of this user is running; the screen reader test needs its own"
  exit 77
fi
source "$(dirname "$0")/session.sh"
end_orca() {
  # Orca takes a moment to end; the next run must not find it.
  [ ! -s "$work/orca.pid" ] || wait_for 10 eval '! kill -0 "$(cat "$work/orca.pid")" 2>/dev/null' || true
  # The speech server Orca started would end by itself a little later.
  local speechd="$work/speech-dispatcher/pid/speech-dispatcher.pid"
  [ ! -s "$speechd" ] || kill "$(cat "$speechd")" 2>/dev/null || true
  wait 2>/dev/null || true
  [ -z "${BMD_ORCA_LOG:-}" ] || cp "$work/orca.log" "$BMD_ORCA_LOG"
}
on_exit end_orca
# What Orca said, one utterance a line (from the $1th on), without the
# full stop it adds.
speech() { grep -a "SPEECH OUTPUT: '" "$work/orca.log" | sed -n "$((${1:-0} + 1)),\$p" | sed "s/^.*SPEECH OUTPUT: '//; s/ *'[ ]*{'established.*\$//; s/\.\$//"; }
fail() {
  echo "FAIL: $*"
  echo "Orca said:" && speech | tail -n 25 | sed 's/^/  /'
  exit 1
}
# Keys, then what Orca says from then on ($heard) until it matches the
# pattern; "also" waits for more of it after the same keys.
heard="" mark=0 keys=""
say_after() {
  local pattern=$1
  shift
  mark=$(speech | wc -l) keys="$*"
  [ $# -eq 0 ] || xdotool key --delay 150 "$@"
  also "$pattern"
}
also() {
  matches() { heard=$(speech "$mark") && grep -qE "$1" <<<"$heard"; }
  wait_for 15 matches "$1" || fail "after '$keys' Orca did not say /$1/"
}

# No sound here: speech goes to ALSA's null device, or it would stall Orca.
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
echo 'AudioOutputMethod "alsa"' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"

start_xvfb
start_accessibility_bus
start_openbox
for property in IsEnabled ScreenReaderEnabled; do
  wait_for 10 busctl --user set-property org.a11y.Bus /org/a11y/bus org.a11y.Status "$property" b true ||
    fail "could not switch on the accessibility bus"
done
# Orca writes its debug file in blocks, but line by line to a terminal:
# script(1) gives it one and writes all of it to the log at once.
script -qfc "echo \$\$ >'$work/orca.pid'; exec orca --debug-file=/dev/tty" "$work/orca.log" >/dev/null 2>&1 </dev/null &
pids+=($!)
wait_for 10 test -s "$work/orca.pid" && pids+=("$(cat "$work/orca.pid")")
wait_for 30 grep -qa "SPEECH OUTPUT" "$work/orca.log" || fail "Orca did not start: $(tail -n 5 "$work/orca.log")"

# The known deal: card 2k and card 2k+1 are a pair (ace of spades and of
# clubs, ...), every card on the table, no tries yet.
python3 - "$work/known.bcx" <<'PY'
import struct, sys
faces = [f for rank in range(13) for f in (rank + 1, rank + 27)]
faces += [f for rank in range(13) for f in (rank + 14, rank + 40)] + [53, 54]
open(sys.argv[1], "wb").write(struct.pack("<108h", *faces, *([-1] * 54)) + bytes(640 - 216))
PY
"$game" "$work/known.bcx" >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")
splash=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1 || true)
[ -n "$splash" ] || fail "the splash did not appear"
say_after "Row 1, card 1, face down" Escape

say_after "^ace of spades$" space
say_after "^two of spades$" Right Right space
also "^No pair\. 1 try$"
say_after "^ace of clubs$" Home Right space
say_after "^Pair found: aces\. 1 made, 26 left$" Left space
# Then where the focus went, the nearest card.
also "^Row 2, card 1, face down$"
# One step Down says the one card landed on, never its row.
say_after "^Row 3, card 1, face down$" Down
[ "$(grep -c "Row [0-9], card" <<<"$heard")" = 1 ] || fail "one step Down said: $heard"
say_after "^Edge$" ctrl+Home Up

say_after "OK" ctrl+h
say_after "^1, 99999" Tab
say_after "^Row [0-9], card" Escape
xdotool search --onlyvisible --name 'High Scores$' >/dev/null && fail "Escape did not close the high scores"
# Last, as Orca may still hold Insert down for a moment after its own
# command (Insert and KP_Enter twice), which reads the counters alone.
mark=$(speech | wc -l) keys="Insert+KP_Enter twice"
xdotool keydown Insert key --delay 120 KP_Enter KP_Enter keyup Insert
also "^Matches remaining 26$"
if grep -q "Pair\|ace of\|Row [0-9]" <<<"$heard"; then fail "reading the status bar said: $heard"; fi
echo "PASS: Orca said the faces, a miss, a pair, one card for a step Down, an edge, a ranked score row, the counters"
