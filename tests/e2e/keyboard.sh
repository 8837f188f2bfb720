#!/usr/bin/env bash
# Plays the real program with the keyboard alone, under a window manager
# (openbox) and with the desktop's accessibility bus, and listens to it as a
# screen reader does (tests/e2e/atspi.py). A key skips the splash; the arrow
# keys and Space turn cards until one try was a pair and one was not; the
# screen shows the focus mark only once a key was used, the cards face up,
# then gone or face down; the cards' and the counters' names follow.
set -euo pipefail
game="$1"
here=$(cd "$(dirname "$0")" && pwd)

source "$here/session.sh"
start_xvfb
start_accessibility_bus
start_openbox
# Every window the window manager makes active, as it happens.
stdbuf -oL xprop -spy -root _NET_ACTIVE_WINDOW >"$work/active.log" 2>&1 &
pids+=($!)

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")

# The splash comes first and must have the keyboard, so that a key skips
# it. Escape does, and does nothing on the table should the splash's own
# two seconds have passed first.
splash=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1 || true)
[ -n "$splash" ] || fail "the splash did not appear"
xprop -id "$splash" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_SPLASH || fail "the splash was gone before it was seen"
splash_active() { grep -qi "window id # $(printf '0x%x' "$splash")\$" "$work/active.log"; }
wait_for 10 splash_active || fail "the splash never was the active window under the window manager"
xdotool key Escape
# The splash bears the program's name too.
main_shown() {
  window=$(xdotool search --onlyvisible --name '^Brightmoose Derudirodozir$' 2>/dev/null | grep -vx "$splash" | head -n 1)
  [ -n "$window" ]
}
wait_for 20 main_shown || fail "the main window did not appear"
main_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
wait_for 20 main_active || fail "the main window is not the active window"

# What a screen reader finds: every card "x y w h name", the counters' names.
cards() { "$here/atspi.py" cards; }
all_dealt() { [ "$(cards | grep -c ', face down$' || true)" = 54 ]; }
wait_for 30 all_dealt || fail "the screen reader does not find 54 cards face down: $(cards | head -n 3)"
cards >"$work/cards"
# Card i: its place on the screen (from the deal, when all 54 were offered)
# and its name now.
read_place() { read -r x y w h _ <<<"$(sed -n "$(($1 + 1))p" "$work/cards")"; }
label() { echo "Row $(($1 / 9 + 1)), card $(($1 % 9 + 1)), "; }
name_of() { cards | cut -d' ' -f5- | grep -F "$(label "$1")" || true; }
[ "$(name_of 13)" = "Row 2, card 5, face down" ] || fail "card 13 is named '$(name_of 13)'"

# The screen: a face is mostly white, the back blue, an empty place green:
# only a face has much red in its middle. The focus mark is a yellow ring
# two pixels wide, two pixels away from the card.
colour_at() {
  convert "$1" -crop "$3x$3+$2" +repage -scale '1x1!' -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
middle() { read_place "$2" && colour_at "$1" "$((x + 10))+$((y + 24))" 41; }
face_up() { read -r r _ _ <<<"$(middle "$1" "$2")" && [ "$r" -gt 120 ]; }
back() { read -r r _ b <<<"$(middle "$1" "$2")" && [ "$r" -le 120 ] && [ "$b" -gt 100 ]; }
empty() { read -r r g b <<<"$(middle "$1" "$2")" && [ "$r" -lt 40 ] && [ "$g" -gt 100 ] && [ "$b" -lt 40 ]; }
marked() {
  read_place "$2"
  read -r r g b <<<"$(colour_at "$1" "$((x - 3))+$((y + h / 2))" 1)"
  [ "$r" -gt 200 ] && [ "$g" -gt 200 ] && [ "$b" -lt 100 ]
}
shot() { import -window root "$work/screen.png"; }
# The screen shows, now or a moment later: `seen <seconds> <test> <card>...`.
seen() {
  local seconds=$1 test=$2
  shift 2
  all() { shot && for card in "$@"; do "$test" "$work/screen.png" "$card" || return 1; done; }
  wait_for "$seconds" all "$@"
}

shot
for card in 0 1 53; do
  if face_up "$work/screen.png" "$card"; then fail "card $card is face up after the deal"; fi
done
if marked "$work/screen.png" 0; then fail "the focus mark shows before a key was used"; fi

# Keys only from here on. Goes to card i from the last card of the table,
# up to its row and left along it; the cards found so far all lie before
# the ones still played, so that none is in the way.
go_to() {
  local keys=(ctrl+End)
  for _ in $(seq $((5 - $1 / 9))); do keys+=(Up); done
  for _ in $(seq $((8 - $1 % 9))); do keys+=(Left); done
  xdotool key --delay 30 "${keys[@]}"
}
# The face that pairs with a face: the same rank in the other suit of its colour.
partner() { sed 's/spades/S/; s/clubs/spades/; s/S$/clubs/; s/diamonds/D/; s/hearts/diamonds/; s/D$/hearts/; s/^red joker$/J/; s/^black joker$/red joker/; s/^J$/black joker/' <<<"$1"; }
counters() { "$here/atspi.py" counters | paste -sd,; }

declare -A seen_at # face -> card
pairs=0 others=0 tries=0 looks=0
for first in $(seq 0 52); do
  [ -n "$(name_of "$first")" ] || continue # found by a lucky first try
  go_to "$first"
  if [ "$first" = 0 ]; then
    seen 10 marked 0 || fail "no focus mark around the first card after a key"
  fi
  xdotool key space
  turned() { [[ "$(name_of "$first")" != *"face down" ]]; }
  wait_for 10 turned || fail "Space did not turn card $first: $(name_of "$first")"
  face=$(name_of "$first" | sed "s/^$(label "$first")//")
  seen 10 face_up "$first" || fail "card $first ($face) is not face up on the screen"
  # The partner if a try showed it already, else the next card; once a pair
  # was found, always the next card, so that found cards stay behind.
  second=$((first + 1))
  [ "$pairs" -gt 0 ] || second=${seen_at[$(partner "$face")]:-$second}
  go_to "$second"
  xdotool key space
  tries=$((tries + 1))
  # Both face up during the look; a loaded machine may miss its 750 ms.
  for _ in $(seq 100); do
    shot
    face_up "$work/screen.png" "$first" || break
    if face_up "$work/screen.png" "$second"; then looks=$((looks + 1)) && break; fi
  done
  resolved() { [[ "$(name_of "$first")" != *"$face" ]]; }
  wait_for 20 resolved || fail "the try of cards $first and $second did not end"
  if [ -z "$(name_of "$first")" ]; then
    pairs=$((pairs + 1))
    seen 10 empty "$first" "$second" || fail "cards $first and $second are still on the screen after their pair"
    [ "$(name_of "$second")" = "" ] || fail "card $second is still offered after its pair"
    focused=$("$here/atspi.py" focused | tail -n 1)
    cards >"$work/left"
    [[ "$focused" == *", face down" ]] && grep -qF "$focused" "$work/left" ||
      fail "after the pair the focus is on '$focused', not on a card left on the table"
  else
    others=$((others + 1))
    seen 10 back "$first" "$second" || fail "cards $first and $second are not face down on the screen after the look"
    for card in "$first" "$second"; do
      [ "$(name_of "$card")" = "$(label "$card")face down" ] || fail "card $card is named '$(name_of "$card")' after the look"
    done
    seen_at[$face]=$first
  fi
  [ "$(counters)" = "Tries $tries,Matches made $pairs,Matches remaining $((27 - pairs))" ] ||
    fail "the counters after try $tries say '$(counters)'"
  if [ "$pairs" -gt 0 ] && [ "$others" -gt 0 ]; then break; fi
done
[ "$pairs" -gt 0 ] && [ "$others" -gt 0 ] || fail "played $pairs pairs and $others other tries"
[ "$looks" -gt 0 ] || fail "no screenshot caught two cards face up during a look"

"$here/atspi.py" tree 60 >"$work/tree"
grep -q '\[push button\] "New Game"' "$work/tree" || fail "no New Game button for the screen reader: $(cat "$work/tree")"
# The high scores: the header row is the columns' headers, a place is a row.
xdotool key ctrl+h
scores_heard() { [ "$("$here/atspi.py" scores 2>/dev/null | paste -sd/)" = "Score,Player/1,1, 99999,Anonymous" ]; }
wait_for 20 scores_heard || fail "the screen reader hears the high scores as '$("$here/atspi.py" scores 2>&1 | paste -sd/)'"
xdotool key F3
scores_closed() { ! "$here/atspi.py" scores >/dev/null 2>&1; }
wait_for 20 scores_closed || fail "F3 did not close the high scores"
xdotool key F3
wait_for 10 eval '! kill -0 "$game_pid" 2>/dev/null' || fail "F3 did not end the program"
echo "PASS: splash skipped with a key; $tries tries by keys ($others without a pair, $pairs pairs, $looks looks seen), heard through AT-SPI"
