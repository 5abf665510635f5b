#!/usr/bin/env bash
# Start-up time of the program against a bare Qt window, each started as its own process
# on the offscreen platform and timed until its first window is shown. The two alternate
# over several runs; prints both medians (ms) and their ratio.
# Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
build="$(readlink -f "${1:-build/release}")"
runs="${2:-15}"
export QT_QPA_PLATFORM=offscreen
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export TMPDIR="$tmp"
cd "$tmp"

time_one() { # binary → milliseconds until its window was shown
  local start end
  start=$(date +%s%N)
  end=$("$1" 2>/dev/null)
  echo $(( (end - start) / 1000 ))
}

median() { sort -n | awk '{a[NR]=$1} END {if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }

prog=() bare=()
"$build/bench/bench_startup_probe" >/dev/null 2>&1; "$build/bench/bench_bare_window" >/dev/null 2>&1 # warm the caches
for _ in $(seq 1 "$runs"); do
  prog+=("$(time_one "$build/bench/bench_startup_probe")")
  bare+=("$(time_one "$build/bench/bench_bare_window")")
done
p=$(printf '%s\n' "${prog[@]}" | median)
b=$(printf '%s\n' "${bare[@]}" | median)
awk -v p="$p" -v b="$b" 'BEGIN { printf "program median %.1f ms, bare window median %.1f ms, ratio %.2f\n", p/1000, b/1000, p/b }'
