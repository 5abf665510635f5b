#!/usr/bin/env bash
# Keep-on-top on a real window: under Xvfb with openbox, the mini look-up window's box puts
# the window manager's "above" state on the window and takes it off again (the window test's
# case, run here on the xcb platform, where it must pass rather than be skipped), and
# clearing it lowers the window once.
set -euo pipefail
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"
start_window_manager

window_test="$(dirname "$program")/../tests/test_exam_ui_mini_lookup_window_test"
[ -x "$window_test" ] || { echo "FAIL: no window test at $window_test"; exit 1; }
out="$(QT_QPA_PLATFORM=xcb "$window_test" keepOnTopReachesTheWindowManager 2>&1)" || { echo "$out"; exit 1; }
echo "$out"
grep -q '^PASS   : MiniLookupWindowTest::keepOnTopReachesTheWindowManager()' <<<"$out" || { echo "FAIL: not run"; exit 1; }

# Clearing the wish lowers the window once, below a window that was under it.
order_test="$(dirname "$program")/../tests/test_platform_ui_window_order_test"
out="$(QT_QPA_PLATFORM=xcb "$order_test" clearingLowersTheWindowOnce 2>&1)" || { echo "$out"; exit 1; }
echo "$out"
grep -q '^PASS   : WindowOrderTest::clearingLowersTheWindowOnce()' <<<"$out" || { echo "FAIL: not run"; exit 1; }
