#!/usr/bin/env bash
# The hot-key sender types into another program's window: under Xvfb with openbox, a
# small window with a focused line edit receives exactly the composed line — channel,
# style and colour codes, then a message of CJK text, box-drawing characters and key
# syntax that must stay literal — followed by Enter, after a real F12 press sent through
# XTest while that window has the focus, once with Caps Lock off and once with it on. The
# keys bound for the characters the keyboard lacks are freed again afterwards.
set -euo pipefail
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"
helper="$2/hotkey_helper"

fail() {
  echo "FAIL: $*"
  for f in receiver.out receiver.log sender.out sender.log; do [ -f "$f" ] && { echo "--- $f"; cat "$f"; }; done
  exit 1
}

start_window_manager
"$helper" keymap >keymap.before || fail "cannot read the key map"

message='你好，长安城┌─┐╬█ a+b~c{d(%e Hello World abcXYZ'
expected="//t#u#b#R${message}"

HOTKEY_MESSAGE="$message" "$helper" sender >sender.out 2>sender.log &
pids+=($!)
wait_until 60 grep -q armed sender.out || fail "the sender did not arm"

caps_on() { [ "$("$helper" caps)" = on ]; }

# The same line, typed once with Caps Lock off and once with it on: the lock changes
# nothing of what arrives, and stays as the player left it.
for caps in off on; do
  if [ "$caps" = on ]; then
    xdotool key Caps_Lock
    wait_until 10 caps_on || fail "Caps Lock did not come on"
  fi
  "$helper" receiver >receiver.out 2>receiver.log &
  receiver=$!
  pids+=("$receiver")
  wait_until 60 xdotool search --onlyvisible --name '^hotkey-receiver$' || fail "no receiver window"
  win=$(xdotool search --onlyvisible --name '^hotkey-receiver$' | head -n1)
  xdotool windowactivate --sync "$win"
  wait_until 20 bash -c "[ \"\$(xdotool getactivewindow)\" = \"$win\" ]" || fail "the receiver did not get the focus"
  sleep 0.5

  # Held long enough for the 60 ms polling to see it.
  xdotool keydown F12
  sleep 0.4
  xdotool keyup F12

  wait_until 60 bash -c "! kill -0 $receiver" || fail "the receiver got no Enter (Caps Lock $caps)"
  got="$(cat receiver.out)"
  [ "$got" = "$expected" ] || fail "typed '$got' with Caps Lock $caps, expected '$expected'"
  if [ "$caps" = on ]; then caps_on || fail "Caps Lock was left off"; else ! caps_on || fail "Caps Lock came on"; fi
  # The sender rests 5.5 s after a line before it listens to F12 again.
  [ "$caps" = on ] || sleep 6
done
keymap_restored() { "$helper" keymap >keymap.after && cmp -s keymap.before keymap.after; }
wait_until 20 keymap_restored || { diff keymap.before keymap.after; fail "the key map was not restored"; }
echo "PASS"
