#!/usr/bin/env bash
# Window places on a real desktop: under Xvfb with openbox at 1920×1080, whose frames are
# known only once the window is up, the reference windows stand centred by their outer
# rectangles (each opened several times), the 战神箱 windows in the top right corner and 400
# twips above the bottom, the clocks 50 twips in from the top right corner, and the mini
# look-up window in its corners, 1200 twips above the bottom (the window tests' cases, run
# here on the xcb platform).
set -euo pipefail
BAIBAO_SCREEN=1920x1080
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"
start_window_manager

tests="$(dirname "$program")/../tests"
run() { # test program, case
  local out
  out="$(QT_QPA_PLATFORM=xcb "$tests/$1" "$2" 2>&1)" || { echo "$out"; exit 1; }
  echo "$out"
  grep -q "^PASS   : .*::$2(" <<<"$out" || { echo "FAIL: $2 not run"; exit 1; }
}
run test_reference_tables_ui_window_placement_test opensCentred
run test_puzzles_ui_chest_quest_window_test switchKeepsEachLayoutsOwnState
run test_clock_ui_clock_window_test opensTopRight
run test_exam_ui_mini_lookup_window_test opensOnTopAtTheBottomRightCorner
run test_exam_ui_mini_lookup_window_test cornerButtonCyclesThroughThreeCorners
