#!/usr/bin/env bash
# Runs each fuzz program (libFuzzer with clang, AddressSanitizer and UBSan) for the given
# number of seconds (default 60), then keeps a minimised corpus of what it found beside
# what was kept before, in fuzz/corpus/<name>. Commit the corpus: the tests replay it.
#   bash scripts/fuzz.sh [seconds] [name...]     names: bank_reader number_reader setting_ini
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(bank_reader number_reader setting_ini)
bash "$here/scripts/deps.sh" clang libclang-rt-14-dev

build="$here/build/fuzz"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBAIBAO_FUZZ=ON -DBAIBAO_TESTS=OFF -DBAIBAO_BENCH=OFF >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

status=0
for t in "${targets[@]}"; do
  corpus="$here/fuzz/corpus/$t"
  work="$build/fuzz-runs/$t"
  rm -rf "$work" "$work.min"
  mkdir -p "$work" "$work.min" "$corpus"
  echo "== $t: $seconds s"
  # Found inputs go to $work; a crash leaves its input in $build/fuzz-runs as crash-*.
  if ! (cd "$build/fuzz-runs" && "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 \
          "$work" "$corpus" >"$build/fuzz-runs/$t.log" 2>&1); then
    echo "$t: a finding, see $build/fuzz-runs/$t.log and the crash-* files beside it" >&2
    status=1
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz-runs/$t.log" || true
  # The smallest set of inputs that keeps all the coverage, old corpus and new finds together.
  "$build/fuzz/fuzz_$t" -merge=1 "$work.min" "$corpus" "$work" >"$build/fuzz-runs/$t.merge.log" 2>&1
  find "$corpus" -type f -delete
  cp "$work.min"/* "$corpus"/ 2>/dev/null || true
  echo "$t: $(find "$corpus" -type f | wc -l) inputs kept, $(du -sk "$corpus" | cut -f1) KB"
done
exit $status
