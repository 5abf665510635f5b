# Shared by the desktop tests (sourced, not run): re-runs the test under its own Xvfb,
# gives it a work directory of its own (also as TMPDIR, so the program's lock file and
# socket belong to this run only), kills what it started on exit, and starts the window
# manager.
#   source common.bash "$@"  → $program, $work, pids+=(...), start_window_manager
# A test that needs another screen than 1024×768 sets BAIBAO_SCREEN (such as 1920x1080)
# before sourcing. The X server keeps what a test sets on it (such as the resources read
# by xrdb) while no client is connected.

program="$(readlink -f "$1")"
if [ -z "${BAIBAO_UNDER_XVFB:-}" ]; then
  export BAIBAO_UNDER_XVFB=1
  exec xvfb-run -a -s "-noreset -screen 0 ${BAIBAO_SCREEN:-1024x768}x24" bash "$0" "$@"
fi

work="$(mktemp -d)"
export TMPDIR="$work"
cd "$work"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

main_title='百宝算匣v4.08版'

# openbox; a window mapped while the window manager is still starting can stay unmapped,
# so this waits until it has announced itself on the root window.
# Its process id is given to the window tests run here (BAIBAO_TEST_WM_PID), which may
# stop it for a while to see windows framed late.
start_window_manager() {
  openbox >/dev/null 2>&1 &
  pids+=($!)
  export BAIBAO_TEST_WM_PID=$!
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "FAIL: the window manager did not start"
  exit 1
}

# Polling and the tray, for the tests that use them.
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
click_icon() { # button, repeat
  local icon
  icon=$(tray_icon) || fail "no tray icon to click"
  xdotool mousemove --window "$icon" 11 11 click --repeat "$2" --delay 120 "$1"
}
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
tray_menu() { # keys...
  click_icon 3 1
  wait_until 20 menu_open || fail "the right button popped up no menu"
  xdotool key --delay 150 "$@"
}
