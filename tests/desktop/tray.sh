#!/usr/bin/env bash
# Minimise to the tray and back, under Xvfb with openbox and the trayer tray host:
# minimising hides the main window behind an icon of ours in the tray; a single click does
# nothing, a double click brings the window back; the right button pops up the tray menu,
# whose "计算器" restores, "召唤兽加点" opens the beast attribute window (or, while that
# window is not built, leaves the icon in place), Esc dismisses the menu and "关闭" ends
# the program. Without a tray host the window minimises normally and can be restored.
set -euo pipefail
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"

pet_title='召唤兽属性预测'

fail() {
  echo "FAIL: $*"
  [ -f program.log ] && cat program.log
  exit 1
}

# Polls a condition (a shell command) for up to `secs` seconds.
wait_until() { # secs, command...
  local secs="$1"
  shift
  for _ in $(seq 1 $((secs * 5))); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.2
  done
  return 1
}
# True while the condition keeps failing for `secs` seconds.
stays_false() { # secs, command...
  local secs="$1"
  shift
  for _ in $(seq 1 $((secs * 5))); do
    if "$@" >/dev/null 2>&1; then return 1; fi
    sleep 0.2
  done
  return 0
}

visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
main_visible() { visible "$main_title"; }
main_hidden() { ! visible "$main_title"; }
# The window id of our icon inside the tray host's panel, if there is one.
tray_icon() {
  local panel
  panel=$(xdotool search --classname '^panel$' 2>/dev/null | head -n1) || return 1
  [ -n "$panel" ] || return 1
  xwininfo -tree -id "$panel" | awk '/\("baibao" "baibao"\)/ { print $1; found = 1 } END { exit !found }' | head -n1
}
has_icon() { tray_icon >/dev/null; }
no_icon() { ! tray_icon >/dev/null; }
# Iconic (minimised) as the window manager sees it.
iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }
# The popup menu of the icon: a top-level window of ours on screen, other than the main
# window, at least three items high (a tooltip is one line).
menu_open() {
  local id
  for id in $(xwininfo -root -children | awk -v t="$main_title" \
      'index($0, "(\"baibao\" \"baibao\")") && !index($0, t) { split($NF, g, /[x+]/); if (g[2] >= 60) print $1 }'); do
    xwininfo -id "$id" | grep -q 'Map State: IsViewable' && return 0
  done
  return 1
}
menu_closed() { ! menu_open; }

click_icon() { # button, repeat
  local icon
  icon=$(tray_icon) || fail "no tray icon to click"
  xdotool mousemove --window "$icon" 11 11 click --repeat "$2" --delay 120 "$1"
}
minimise_to_tray() {
  local w
  w=$(xdotool search --onlyvisible --name "^${main_title}\$" | head -n1) || fail "no main window to minimise"
  xdotool windowminimize "$w"
  wait_until 20 main_hidden || fail "minimising left the main window on screen"
  wait_until 20 has_icon || fail "minimising put no icon in the tray"
}
tray_menu() { # keys...
  click_icon 3 1
  wait_until 20 menu_open || fail "the right button popped up no menu"
  xdotool key --delay 150 "$@"
}

start_window_manager
trayer --edge top --align right --widthtype pixel --width 120 --height 24 --SetDockType true \
  >/dev/null 2>&1 &
trayer=$!
pids+=("$trayer")
wait_until 20 xdotool search --classname '^panel$' || fail "the tray host did not start"

"$program" >program.log 2>&1 &
app=$!
pids+=("$app")
wait_until 60 main_visible || fail "no main window"
no_icon || fail "an icon is in the tray before minimising"

# Minimise, a single click, then a double click.
minimise_to_tray
click_icon 1 1
stays_false 2 main_visible || fail "a single click restored the window"
has_icon || fail "a single click removed the icon"
click_icon 1 2
wait_until 20 main_visible || fail "a double click did not restore the window"
wait_until 20 no_icon || fail "the icon stayed after the double click"
w=$(xdotool search --onlyvisible --name "^${main_title}\$" | head -n1)
iconic "$w" && fail "the restored window is still minimised"

# The menu: "计算器".
minimise_to_tray
tray_menu Down Return
wait_until 20 main_visible || fail "计算器 did not restore the window"
wait_until 20 no_icon || fail "the icon stayed after 计算器"

# Esc dismisses the menu; the window stays in the tray.
minimise_to_tray
tray_menu Escape
wait_until 10 menu_closed || fail "Esc did not close the menu"
stays_false 2 main_visible || fail "dismissing the menu restored the window"
has_icon || fail "dismissing the menu removed the icon"

# "召唤兽加点": the beast attribute window instead of the main window.
tray_menu Down Down Return
if wait_until 5 visible "$pet_title"; then
  wait_until 20 no_icon || fail "the icon stayed after 召唤兽加点"
  main_hidden || fail "召唤兽加点 brought back the main window"
  pet=$(xdotool search --onlyvisible --name "^${pet_title}\$" | head -n1)
  xdotool windowclose "$pet" 2>/dev/null || xdotool windowactivate --sync "$pet" key alt+F4
  wait_until 20 main_visible || fail "closing the beast attribute window left the main window hidden"
  minimise_to_tray
else
  main_hidden || fail "召唤兽加点 brought back the main window"
  has_icon || fail "召唤兽加点 removed the only way back to the main window"
fi

# "关闭" ends the program through its ordinary shut-down.
tray_menu Up Return
wait_until 30 bash -c "! kill -0 $app" || fail "关闭 did not end the program"
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program exited with $status after 关闭"

# Without a tray host the window minimises normally and comes back from there.
kill "$trayer"
wait "$trayer" 2>/dev/null || true
wait_until 10 bash -c "! xdotool search --class '^trayer\$'" || fail "the tray host did not go"
"$program" >program.log 2>&1 &
app=$!
pids+=("$app")
wait_until 60 main_visible || fail "no main window without a tray"
w=$(xdotool search --onlyvisible --name "^${main_title}\$" | head -n1)
xdotool windowminimize "$w"
wait_until 20 iconic "$w" || fail "without a tray the window did not minimise"
sleep 1
iconic "$w" || fail "without a tray the minimised window was hidden"
kill -0 "$app" 2>/dev/null || fail "the program ended when minimised without a tray"
xdotool windowactivate "$w"
wait_until 20 main_visible || fail "the minimised window could not be restored"

echo "1 passed, 0 failed"
