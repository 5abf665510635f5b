#!/usr/bin/env bash
# The hot-key sender on a keyboard with few free key codes: with only three key codes
# without a symbol, a message of ten distinct characters the keyboard lacks arrives whole,
# the sender binding the three keys again and again, and no other key of the map changes.
set -euo pipefail
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"
helper="$2/hotkey_helper"

fail() {
  echo "FAIL: $*"
  for f in receiver.out receiver.log sender.out sender.log; do [ -f "$f" ] && { echo "--- $f"; cat "$f"; }; done
  exit 1
}

start_window_manager
free="$("$helper" spares 3)" || fail "cannot change the key map"
[ "$free" -gt 3 ] || fail "the display has only $free free key codes"
"$helper" keymap >keymap.before || fail "cannot read the key map"

message='一二三四五六七八九十，长安'
expected="//t#u#b#R${message}"

HOTKEY_MESSAGE="$message" "$helper" sender >sender.out 2>sender.log &
pids+=($!)
wait_until 60 grep -q armed sender.out || fail "the sender did not arm"

"$helper" receiver >receiver.out 2>receiver.log &
receiver=$!
pids+=("$receiver")
wait_until 60 xdotool search --onlyvisible --name '^hotkey-receiver$' || fail "no receiver window"
win=$(xdotool search --onlyvisible --name '^hotkey-receiver$' | head -n1)
xdotool windowactivate --sync "$win"
wait_until 20 bash -c "[ \"\$(xdotool getactivewindow)\" = \"$win\" ]" || fail "the receiver did not get the focus"
sleep 0.5

xdotool keydown F12
sleep 0.4
xdotool keyup F12

wait_until 60 bash -c "! kill -0 $receiver" || fail "the receiver got no Enter"
got="$(cat receiver.out)"
[ "$got" = "$expected" ] || fail "typed '$got', expected '$expected'"
keymap_restored() { "$helper" keymap >keymap.after && cmp -s keymap.before keymap.after; }
wait_until 20 keymap_restored || { diff keymap.before keymap.after; fail "the key map was not restored"; }
echo "PASS"
