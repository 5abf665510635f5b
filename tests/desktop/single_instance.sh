#!/usr/bin/env bash
# A second start is refused while the first keeps running: under Xvfb with a window
# manager, the second process shows only the warning "程序已经在运行中，请不要重复运行！",
# never a main window of its own, and exits with status 0 once it is answered. A lock left
# by a run that was killed does not block the next start.
set -euo pipefail
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"

start_window_manager
warn_title='警告！'

wait_for_window() { # title, seconds → prints the window ids
  local title="$1" secs="$2" ids
  for _ in $(seq 1 $((secs * 5))); do
    if ids=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null) && [ -n "$ids" ]; then
      echo "$ids"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

fail() { echo "FAIL: $*"; exit 1; }

"$program" >first.log 2>&1 &
first=$!
pids+=("$first")
wait_for_window "$main_title" 60 >/dev/null || { cat first.log; for w in $(xdotool search --name . 2>/dev/null); do xdotool getwindowname "$w"; xwininfo -id "$w" | grep -E "Map State|geometry"; done; fail "the first start shows no main window"; }

"$program" >second.log 2>&1 &
second=$!
pids+=("$second")
warn=$(wait_for_window "$warn_title" 60) || fail "the second start shows no warning"
warn=$(echo "$warn" | head -n1)
[ "$(xdotool search --onlyvisible --name "^${main_title}\$" | wc -l)" -eq 1 ] ||
  fail "a second main window appeared"
kill -0 "$second" 2>/dev/null || fail "the second start ended before the warning was answered"

xdotool windowactivate --sync "$warn" key --clearmodifiers Return || xdotool key Return
for _ in $(seq 1 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.2; done
kill -0 "$second" 2>/dev/null && fail "the second start is still running after OK"
status=0
wait "$second" || status=$?
[ "$status" -eq 0 ] || { cat second.log; fail "the second start exited with $status"; }
kill -0 "$first" 2>/dev/null || fail "the first start did not keep running"

# A run that crashed leaves its lock behind; the next start is not refused.
kill -9 "$first"
wait "$first" 2>/dev/null || true
"$program" >third.log 2>&1 &
third=$!
pids+=("$third")
wait_for_window "$main_title" 60 >/dev/null || { cat third.log; fail "a stale lock blocked the next start"; }
xdotool search --onlyvisible --name "^${warn_title}\$" >/dev/null 2>&1 && fail "a stale lock gave the warning"

echo "1 passed, 0 failed"
