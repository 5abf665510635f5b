#!/usr/bin/env bash
# The beast attribute window in the tray, under Xvfb with openbox and the trayer tray host:
# opened from the main window's tray menu, it minimises behind an icon of its own and a
# double click brings it back; its menu's "计算器" brings the main window instead, and its
# "关闭" ends the program at once.
set -euo pipefail
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"

pet_title='召唤兽属性预测'
pet_visible() { visible "$pet_title"; }
pet_hidden() { ! visible "$pet_title"; }

minimise() { # title
  local w
  w=$(xdotool search --onlyvisible --name "^$1\$" | head -n1) || fail "no window $1 to minimise"
  xdotool windowminimize "$w"
  wait_until 20 bash -c "! xdotool search --onlyvisible --name '^$1\$'" || fail "minimising left $1 on screen"
  wait_until 20 has_icon || fail "minimising $1 put no icon in the tray"
}
# From the main window's tray menu: "召唤兽加点".
open_pet_window() {
  minimise "$main_title"
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

# Minimised, the window goes behind its own icon; a double click brings it back.
open_pet_window
minimise "$pet_title"
main_hidden || fail "minimising the beast attribute window showed the main window"
click_icon 1 2
wait_until 20 pet_visible || fail "a double click did not bring the beast attribute window back"
wait_until 20 no_icon || fail "the icon stayed after the double click"

# "计算器": the main window comes back, the beast attribute window stays hidden.
minimise "$pet_title"
tray_menu Down Return
wait_until 20 main_visible || fail "计算器 did not bring the main window back"
wait_until 20 no_icon || fail "the icon stayed after 计算器"
pet_hidden || fail "计算器 showed the beast attribute window"

# "关闭" ends the program at once.
open_pet_window
minimise "$pet_title"
tray_menu Up Return
wait_until 30 bash -c "! kill -0 $app" || fail "关闭 did not end the program"
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program exited with $status after 关闭"

echo "1 passed, 0 failed"
