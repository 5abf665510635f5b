# Shared by the desktop tests (sourced, not run): re-runs the test under its own Xvfb,
# gives it a work directory of its own (also as TMPDIR, so the program's lock file and
# socket belong to this run only), kills what it started on exit, and starts the window
# manager.
#   source common.bash "$@"  → $program, $work, pids+=(...), start_window_manager
# A test that needs another screen than 1024×768 sets BAIBAO_SCREEN (such as 1920x1080)
# before sourcing. The X server keeps what a test sets on it (such as the resources read
# by xrdb) while no client is connected. A test that must hold under each window manager
# sets BAIBAO_EACH_WM=1 before sourcing: it is then run whole once under each of them,
# each run under an Xvfb of its own, and passes once all of them have.

program="$(readlink -f "$1")"
window_managers=(openbox xfwm4 metacity)
if [ -n "${BAIBAO_EACH_WM:-}" ] && [ -z "${BAIBAO_WM:-}" ]; then
  for wm in "${window_managers[@]}"; do
    echo "== $wm"
    BAIBAO_WM=$wm bash "$0" "$@" | sed -u '/^1 passed, 0 failed$/d'
  done
  echo "1 passed, 0 failed"
  exit 0
fi
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

# The window manager BAIBAO_WM names (openbox unless it names another of
# window_managers); a window mapped while the window manager is still starting can stay
# unmapped, so this waits until it has announced itself on the root window.
# Its process id is given to the window tests run here (BAIBAO_TEST_WM_PID), which may
# stop it for a while to see windows framed late.
# xfwm4 reads its settings through a D-Bus session bus (without one it hangs); it gets a
# bus of this run's own. xfwm4 (with the settings service the bus starts for it) and
# metacity keep their settings under this run's work directory, not the user's home.
start_window_manager() {
  case "${BAIBAO_WM:-openbox}" in
    openbox) openbox >/dev/null 2>&1 & ;;
    xfwm4)
      local bus
      bus=$(HOME="$work" dbus-daemon --session --fork --address="unix:path=$work/bus" --print-pid=1) ||
        fail "no D-Bus session bus for xfwm4"
      pids+=("$bus")
      HOME="$work" NO_AT_BRIDGE=1 DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus" \
        xfwm4 --compositor=off >/dev/null 2>&1 &
      ;;
    metacity) HOME="$work" metacity --sm-disable --compositor=none >/dev/null 2>&1 & ;;
    *) fail "no such window manager: $BAIBAO_WM" ;;
  esac
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

# Iconic (minimised) as the window manager sees it.
iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }
# The window on screen with the caption, if there is one.
window_of() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 | grep .; }
# Where the window with the caption stands: the top-left corner of its client area on
# the screen, as x,y.
place_of() { # caption
  local w
  w=$(window_of "$1") || return 1
  xwininfo -id "$w" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    END { if (x == "" || y == "") exit 1; print x "," y }'
}
# The same, once the window has stood still for half a second (its frame comes a moment
# after it is mapped, and it may be placed again then).
settled_place() { # caption
  local was now
  was=$(place_of "$1") || fail "no window $1 to find on screen"
  for _ in $(seq 1 20); do
    sleep 0.5
    now=$(place_of "$1") || fail "the window $1 went from the screen"
    [ "$now" = "$was" ] && break
    was=$now
  done
  echo "$now"
}
# Minimising the window with the caption hides it behind an icon in the tray, and
# whatever the window manager then does to the hidden window leaves the icon there.
minimise_to_tray() { # caption
  local w
  w=$(window_of "$1") || fail "no window $1 to minimise"
  xdotool windowminimize "$w"
  wait_until 20 bash -c "! xdotool search --onlyvisible --name '^$1\$'" || fail "minimising left $1 on screen"
  wait_until 20 has_icon || fail "minimising $1 put no icon in the tray"
  stays_false 1 no_icon || fail "the icon of $1 went from the tray by itself"
}
# The window with the caption is back on screen where it stood, to the pixel, not
# minimised, and its icon has gone.
back_in_place() { # caption, place (from settled_place), what brought it back
  wait_until 20 visible "$1" || fail "$3 did not bring $1 back"
  wait_until 20 no_icon || fail "the icon stayed after $3"
  local now
  now=$(settled_place "$1")
  [ "$now" = "$2" ] || fail "after $3, $1 stands at $now, not at $2 where it stood"
  ! iconic "$(window_of "$1")" || fail "after $3, $1 is still minimised"
}
