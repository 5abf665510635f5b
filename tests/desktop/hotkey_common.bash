# Shared by the hot-key sender's desktop tests (sourced after common.bash): the sender and
# receiver programs of hotkey_helper, one line sent on a real F12, and the key map check.
#   source hotkey_common.bash "$@"  → start_sender, send_line, keymap_saved, keymap_restored

helper="$2/hotkey_helper"

fail() {
  echo "FAIL: $*"
  for f in receiver.out receiver.log sender.out sender.log; do [ -f "$f" ] && { echo "--- $f"; cat "$f"; }; done
  exit 1
}

start_sender() { # message
  HOTKEY_MESSAGE="$1" "$helper" sender >sender.out 2>sender.log &
  pids+=($!)
  wait_until 60 grep -q armed sender.out || fail "the sender did not arm"
}

# Opens a receiver window, gives it the focus, presses F12 and waits for the Enter that
# ends the line; the line received is left in receiver.out.
send_line() { # what, for the failure message
  "$helper" receiver >receiver.out 2>receiver.log &
  local receiver=$!
  pids+=("$receiver")
  wait_until 60 xdotool search --onlyvisible --name '^hotkey-receiver$' || fail "no receiver window"
  local win
  win=$(xdotool search --onlyvisible --name '^hotkey-receiver$' | head -n1)
  xdotool windowactivate --sync "$win"
  wait_until 20 bash -c "[ \"\$(xdotool getactivewindow)\" = \"$win\" ]" || fail "the receiver did not get the focus"
  sleep 0.5

  # Held long enough for the 60 ms polling to see it.
  xdotool keydown F12
  sleep 0.4
  xdotool keyup F12

  wait_until 60 bash -c "! kill -0 $receiver" || fail "the receiver got no Enter ($1)"
}

keymap_saved() { "$helper" keymap >keymap.before || fail "cannot read the key map"; }
keymap_restored() { "$helper" keymap >keymap.after && cmp -s keymap.before keymap.after; }
expect_keymap_restored() {
  wait_until 20 keymap_restored || { diff keymap.before keymap.after; fail "the key map was not restored"; }
}
