#!/usr/bin/env bash
# Window places on a real desktop: under Xvfb with openbox, whose frames are known only once
# the window is up, the reference windows stand centred by their outer rectangles, and the
# 战神箱 windows stand in the top right corner and 400 twips above the bottom (the window
# tests' cases, run here on the xcb platform).
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
