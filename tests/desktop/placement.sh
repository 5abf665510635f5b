#!/usr/bin/env bash
# Window places on a real desktop, under Xvfb at 1920×1080 and at 1024×768 (the window
# tests' cases, run here on the xcb platform). First without a window manager: frames
# published on a window read back side by side (and what is no frame, as none), the
# reference windows open centred and the windows the program hides and shows again come
# back where they stood. Then with openbox, whose frames are known only once a window is
# up: the reference windows stand centred by their outer rectangles (each opened several
# times, and once with the window manager stopped for 5 s across the opening, so that the
# frame comes late), the 战神箱 windows in the top right corner and 400 twips above the
# bottom, the clocks 50 twips in from the top right corner, and the mini look-up window in
# its corners, 1200 twips above the bottom (also when framed late). The main window comes
# back to the pixel where it stood after each tool window that hid it, after the beast
# attribute window and after the tray, also where the player dragged it; so does the beast
# attribute window after its own tray. Moved out of reach meanwhile, it comes back moved
# the least distance onto the screen.
#
# The same again on a 3840×2160 screen scaled as desktops do for it (Xft.dpi 192: 200 %,
# and 144: 150 %), where the rules hold in the desktop's own pixels.
set -euo pipefail
if [ -z "${BAIBAO_SCREEN:-}" ]; then
  for desktop in 1920x1080 1024x768 3840x2160@192 3840x2160@144; do
    echo "== $desktop"
    BAIBAO_SCREEN=${desktop%@*} BAIBAO_DPI=$([[ $desktop == *@* ]] && echo "${desktop#*@}" || true) bash "$0" "$@"
  done
  exit 0
fi
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"
if [ -n "${BAIBAO_DPI:-}" ]; then
  echo "Xft.dpi: $BAIBAO_DPI" | xrdb -merge
fi

tests="$(dirname "$program")/../tests"
run() { # test program, case
  local out
  out="$(QT_QPA_PLATFORM=xcb "$tests/$1" "$2" 2>&1)" || { echo "$out"; exit 1; }
  echo "$out"
  grep -q "^PASS   : .*::$2(" <<<"$out" || { echo "FAIL: $2 not run"; exit 1; }
}

run test_platform_ui_window_frame_test readsEachSide
run test_platform_ui_window_frame_test malformedIsNoFrame
run test_platform_ui_window_frame_test eachPublicationIsTold
run test_reference_tables_ui_window_placement_test opensCentred
run test_app_ui_window_return_test mainWindowComesBackWhereItStood
run test_app_ui_window_return_test mainWindowComesBackWhereThePlayerMovedIt
run test_app_ui_window_return_test beastWindowComesBackWhereItStood
run test_app_ui_window_return_test mainWindowComesBackThroughTheBeastWindowsTray
run test_app_ui_window_return_test mainWindowComesBackWithinReach

start_window_manager
run test_reference_tables_ui_window_placement_test opensCentred
run test_reference_tables_ui_window_placement_test opensCentredThoughTheFrameComesLate
run test_puzzles_ui_chest_quest_window_test switchKeepsEachLayoutsOwnState
run test_clock_ui_clock_window_test opensTopRight
run test_exam_ui_mini_lookup_window_test opensOnTopAtTheBottomRightCorner
run test_exam_ui_mini_lookup_window_test opensAtTheCornerThoughTheFrameComesLate
run test_exam_ui_mini_lookup_window_test cornerButtonCyclesThroughThreeCorners
run test_app_ui_window_return_test mainWindowComesBackWhereItStood
run test_app_ui_window_return_test mainWindowComesBackWhereThePlayerMovedIt
run test_app_ui_window_return_test beastWindowComesBackWhereItStood
run test_app_ui_window_return_test mainWindowComesBackThroughTheBeastWindowsTray
run test_app_ui_window_return_test mainWindowComesBackWithinReach
