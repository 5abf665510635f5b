#!/usr/bin/env bash
# The hot-key sender on a keyboard with few free key codes: with only three key codes
# without a symbol, a message of ten distinct characters the keyboard lacks arrives whole,
# the sender binding the three keys again and again, and no other key of the map changes.
set -euo pipefail
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"
source "$(dirname "$(readlink -f "$0")")/hotkey_common.bash" "$@"

start_window_manager
free="$("$helper" spares 3)" || fail "cannot change the key map"
[ "$free" -gt 3 ] || fail "the display has only $free free key codes"
keymap_saved

message='一二三四五六七八九十，长安'
expected="//t#u#b#R${message}"
start_sender "$message"
send_line "spare key codes"
got="$(cat receiver.out)"
[ "$got" = "$expected" ] || fail "typed '$got', expected '$expected'"
expect_keymap_restored
echo "PASS"
