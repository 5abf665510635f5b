#!/usr/bin/env bash
# The beast attribute window in the tray, under Xvfb at 1920×1080 with the trayer tray
# host, once under each of openbox, xfwm4 and metacity: opened from the main window's tray
# menu, it minimises behind an icon of its own, which stays there, and a double click
# brings it back where it stood; its menu's "计算器" brings the main window instead, where
# that stood, and its "关闭" ends the program at once.
set -euo pipefail
BAIBAO_SCREEN=1920x1080
BAIBAO_EACH_WM=1
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"

pet_title='召唤兽属性预测'
pet_visible() { visible "$pet_title"; }
pet_hidden() { ! visible "$pet_title"; }

# From the main window's tray menu: "召唤兽加点".
open_pet_window() {
  minimise_to_tray "$main_title"
  tray_menu Down Down Return
  wait_until 20 pet_visible || fail "召唤兽加点 did not open the beast attribute window"
  wait_until 20 no_icon || fail "the main window's icon stayed after 召唤兽加点"
  main_hidden || fail "召唤兽加点 brought back the main window"
}

start_window_manager
trayer --edge top --align right --widthtype pixel --width 120 --height 24 --SetDockType true \
  >/dev/null 2>&1 &
pids+=($!)
wait_until 20 xdotool search --classname '^panel$' || fail "the tray host did not start"

"$program" >program.log 2>&1 &
app=$!
pids+=("$app")
wait_until 60 main_visible || fail "no main window"
main_place=$(settled_place "$main_title")

# Minimised, the window goes behind its own icon; a double click brings it back.
open_pet_window
pet_place=$(settled_place "$pet_title")
minimise_to_tray "$pet_title"
main_hidden || fail "minimising the beast attribute window showed the main window"
click_icon 1 2
back_in_place "$pet_title" "$pet_place" "a double click"

# "计算器": the main window comes back, the beast attribute window stays hidden.
minimise_to_tray "$pet_title"
tray_menu Down Return
back_in_place "$main_title" "$main_place" "计算器"
pet_hidden || fail "计算器 showed the beast attribute window"

# "关闭" ends the program at once.
open_pet_window
minimise_to_tray "$pet_title"
tray_menu Up Return
wait_until 30 bash -c "! kill -0 $app" || fail "关闭 did not end the program"
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program exited with $status after 关闭"

echo "1 passed, 0 failed"
