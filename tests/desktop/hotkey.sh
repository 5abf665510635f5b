#!/usr/bin/env bash
# The hot-key sender types into another program's window: under Xvfb with openbox, a
# small window with a focused line edit receives exactly the composed line — channel,
# style and colour codes, then a message of CJK text, box-drawing characters and key
# syntax that must stay literal — followed by Enter, after a real F12 press sent through
# XTest while that window has the focus, once with Caps Lock off and once with it on. The
# keys bound for the characters the keyboard lacks are freed again afterwards.
set -euo pipefail
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"
source "$(dirname "$(readlink -f "$0")")/hotkey_common.bash" "$@"

start_window_manager
keymap_saved

message='你好，长安城┌─┐╬█ a+b~c{d(%e Hello World abcXYZ'
expected="//t#u#b#R${message}"
start_sender "$message"

caps_on() { [ "$("$helper" caps)" = on ]; }

# The same line, typed once with Caps Lock off and once with it on: the lock changes
# nothing of what arrives, and stays as the player left it.
for caps in off on; do
  if [ "$caps" = on ]; then
    xdotool key Caps_Lock
    wait_until 10 caps_on || fail "Caps Lock did not come on"
  fi
  send_line "Caps Lock $caps"
  got="$(cat receiver.out)"
  [ "$got" = "$expected" ] || fail "typed '$got' with Caps Lock $caps, expected '$expected'"
  if [ "$caps" = on ]; then caps_on || fail "Caps Lock was left off"; else ! caps_on || fail "Caps Lock came on"; fi
  # The sender rests 5.5 s after a line before it listens to F12 again.
  [ "$caps" = on ] || sleep 6
done
expect_keymap_restored
echo "PASS"
