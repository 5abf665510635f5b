# Shared by the desktop tests (sourced, not run): re-runs the test under its own Xvfb,
# gives it a work directory of its own (also as TMPDIR, so the program's lock file and
# socket belong to this run only), kills what it started on exit, and starts the window
# manager.
#   source common.bash "$@"  → $program, $work, pids+=(...), start_window_manager

program="$(readlink -f "$1")"
if [ -z "${BAIBAO_UNDER_XVFB:-}" ]; then
  export BAIBAO_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
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
start_window_manager() {
  openbox >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "FAIL: the window manager did not start"
  exit 1
}
