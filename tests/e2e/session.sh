# Sourced by the end-to-end scripts: a session of their own. Re-runs the
# script inside a private session bus (for the accessibility bus to announce
# itself on), makes a scratch home, and ends everything started on exit.
# Each script may add to its cleanup with `on_exit COMMAND`, to what a
# failure shows with `on_fail COMMAND`, and start what it needs with the
# functions below. A tool it needs that is not installed (as in a package
# build) skips the test: `needs="TOOL..." source session.sh`.
for tool in dbus-run-session /usr/libexec/at-spi-bus-launcher ${needs:-}; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
if [ -z "${BMD_SESSION_BUS:-}" ]; then
  BMD_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
chmod 700 "$work"
pids=()
exit_steps=()
fail_steps=()
on_exit() { exit_steps+=("$*"); }
on_fail() { fail_steps+=("$*"); }
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for step in "${exit_steps[@]}"; do eval "$step" || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" | tail -n 20
  for step in "${fail_steps[@]}"; do eval "$step" || true; done
  exit 1
}
# Runs the command until it succeeds, at most $1 seconds.
wait_for() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}
export HOME="$work" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
unset QT_QPA_PLATFORM
atspi() { "$here/atspi.py" "$@"; }

# The game, its standard error in game.log, listened to on the accessibility bus.
start_game() {
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@" 2>"$work/game.log" &
  game_pid=$!
  pids+=("$game_pid")
}
game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }

# An X server on a free display, so that the test runs beside a desktop or
# other tests.
start_xvfb() {
  local display
  for display in $(seq 140 199); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
  done
  export DISPLAY=":$display"
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  wait_for 10 xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
}

start_accessibility_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
  pids+=($!)
  /usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
  pids+=($!)
}

# A real window manager: it shows focus faults that bare Xvfb hides.
start_openbox() {
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
  wait_for 20 wm_running || fail "openbox did not start"
}
