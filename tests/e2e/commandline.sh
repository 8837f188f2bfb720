#!/usr/bin/env bash
# The command line needs no display: --help and --version print and end with
# 0 anywhere (over SSH, in a packaging script, on a console), and a start
# without a display says so in one line and fails, without a core dump.
# Qt's own options (-style, -reverse, ...) are left to Qt.
set -uo pipefail
game="$1"
version="$2"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$@"; }

out=$(run --version 2>&1); status=$?
[ "$status" = 0 ] && [ "$out" = "Brightmoose Derudirodozir $version" ] || fail "--version: status $status, printed: $out"
out=$(run --help 2>&1); status=$?
[ "$status" = 0 ] && grep -q '^Usage: .* \[options\] \[file\]$' <<<"$out" || fail "--help: status $status, printed: $out"
for display in "" ":99"; do
  out=$(if [ -n "$display" ]; then DISPLAY=$display run; else run; fi 2>&1); status=$?
  [ "$status" = 1 ] || fail "a start without display $display ended with status $status"
  [ "$(wc -l <<<"$out")" = 1 ] && grep -q 'no display' <<<"$out" || fail "a start without display $display printed: $out"
done
# Qt's own options are Qt's: the game starts (and is still running when stopped).
out=$(QT_QPA_PLATFORM=offscreen timeout 3 "$game" -style Fusion -reverse 2>&1); status=$?
[ "$status" = 124 ] || fail "Qt's own options: status $status, printed: $out"
[ "$failures" = 0 ] && echo "PASS: --help and --version need no display; a start without one says so"
exit $((failures > 0))
