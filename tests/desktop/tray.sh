#!/usr/bin/env bash
# Minimise to the tray and back, under Xvfb at 1920×1080 with the trayer tray host, once
# under each of openbox, xfwm4 and metacity (the last two withdraw a window the program
# hides): minimising hides the main window behind an icon of ours in the tray, which stays
# there; a single click does nothing, a double click brings the window back where it stood;
# the right button pops up the tray menu, whose "计算器" restores it there too, "召唤兽加点"
# opens the beast attribute window (whose close brings the main window back where it
# stood), Esc dismisses the menu and "关闭" ends the program.
# Without a tray host the window minimises normally and can be restored.
set -euo pipefail
BAIBAO_SCREEN=1920x1080
BAIBAO_EACH_WM=1
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"

pet_title='召唤兽属性预测'

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
place=$(settled_place "$main_title")

# Minimise, a single click, then a double click.
minimise_to_tray "$main_title"
click_icon 1 1
stays_false 2 main_visible || fail "a single click restored the window"
has_icon || fail "a single click removed the icon"
click_icon 1 2
back_in_place "$main_title" "$place" "a double click"

# The menu: "计算器".
minimise_to_tray "$main_title"
tray_menu Down Return
back_in_place "$main_title" "$place" "计算器"

# Esc dismisses the menu; the window stays in the tray.
minimise_to_tray "$main_title"
tray_menu Escape
wait_until 10 menu_closed || fail "Esc did not close the menu"
stays_false 2 main_visible || fail "dismissing the menu restored the window"
has_icon || fail "dismissing the menu removed the icon"

# "召唤兽加点": the beast attribute window instead of the main window.
tray_menu Down Down Return
wait_until 20 visible "$pet_title" || fail "召唤兽加点 did not open the beast attribute window"
wait_until 20 no_icon || fail "the icon stayed after 召唤兽加点"
main_hidden || fail "召唤兽加点 brought back the main window"
pet=$(window_of "$pet_title")
xdotool windowactivate --sync "$pet" key alt+F4 # the window manager asks the window to close
back_in_place "$main_title" "$place" "closing the beast attribute window"
minimise_to_tray "$main_title"

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
w=$(window_of "$main_title")
xdotool windowminimize "$w"
wait_until 20 iconic "$w" || fail "without a tray the window did not minimise"
sleep 1
iconic "$w" || fail "without a tray the minimised window was hidden"
kill -0 "$app" 2>/dev/null || fail "the program ended when minimised without a tray"
xdotool windowactivate "$w"
wait_until 20 main_visible || fail "the minimised window could not be restored"

echo "1 passed, 0 failed"
