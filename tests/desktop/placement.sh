#!/usr/bin/env bash
# Window places on a real desktop: under Xvfb with openbox, whose frames are known only once
# the window is up, the reference windows stand centred by their outer rectangles, the 战神箱
# windows in the top right corner and 400 twips above the bottom, and the clocks 50 twips in
# from the top right corner (the window tests' cases, run here on the xcb platform).
set -euo pipefail
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
