#!/usr/bin/env bash
# Runs every libFuzzer harness of a fuzz build for a bounded time, one after
# the other, and fails on the first finding.
#   scripts/fuzz.sh BUILD_DIR SECONDS [HARNESS…]
# Each harness starts from its committed seeds (tests/fuzz/<harness>/seeds)
# and grows a working corpus in BUILD_DIR/corpus/<harness>; a finding is
# written to BUILD_DIR/findings/<harness>/ and turned into a regression test.
set -euo pipefail

build=${1:?build directory}
seconds=${2:?seconds per harness}
shift 2
root="$(cd "$(dirname "$0")/.." && pwd)"
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for dir in "$root"/tests/fuzz/*/; do
    harnesses+=("$(basename "$dir")")
  done
fi

# The sanitizers' settings are the test suite's (cmake/sanitizers.env).
while IFS= read -r setting; do
  export "${setting//@SOURCE_DIR@/$root}"
done < <(grep -E '^[A-Z_]+=' "$root/cmake/sanitizers.env")
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

for harness in "${harnesses[@]}"; do
  binary="$build/tests/fuzz/fuzz_$harness"
  if [ ! -x "$binary" ]; then
    echo "fuzz: no harness $binary" >&2
    exit 1
  fi
  corpus="$build/corpus/$harness"
  findings="$build/findings/$harness"
  mkdir -p "$corpus" "$findings"
  echo "== fuzz_$harness for ${seconds}s"
  # -rss_limit_mb: a harness whose input makes it hold more than this has
  # found an allocation nobody should make.
  "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$root/tests/fuzz/$harness/seeds" \
    2>"$build/fuzz_$harness.log" || {
    tail -n 60 "$build/fuzz_$harness.log" >&2
    echo "fuzz: fuzz_$harness found something; the input is in $findings/" >&2
    exit 1
  }
  grep -E "^stat::(number_of_executed_units|new_units_added|peak_rss_mb)" "$build/fuzz_$harness.log" | tr '\n' ' '
  echo
done
