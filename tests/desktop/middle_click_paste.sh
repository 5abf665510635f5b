#!/usr/bin/env bash
# Middle-click paste into a number box, under Xvfb where the X selection clipboard exists
# (the offscreen platform of the window tests has none): the window test's case runs here
# on the xcb platform and must pass, not be skipped.
set -euo pipefail
source "$(dirname "$(readlink -f "$0")")/common.bash" "$@"

window_test="$(dirname "$program")/../tests/test_app_ui_focus_and_look_test"
[ -x "$window_test" ] || { echo "FAIL: no window test at $window_test"; exit 1; }
out="$(QT_QPA_PLATFORM=xcb "$window_test" middleClickPasteFiltersFirst 2>&1)" || { echo "$out"; exit 1; }
echo "$out"
grep -q '^PASS   : FocusAndLookTest::middleClickPasteFiltersFirst()' <<<"$out" || { echo "FAIL: not run"; exit 1; }
