#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan+UBSan) in build-fuzz/ and runs each
# in turn for a chosen time.
#
# Usage: scripts/fuzz.sh [seconds-per-target] [target...]
#   seconds-per-target  default 300
#   target              list_fuzz, path_fuzz (default: both)
#
# Each target starts from its seed corpus fuzz/corpus/<target>/ (only read)
# plus what earlier runs found, kept in build-fuzz/corpus/<target>/. A crash,
# leak or timeout stops the run with a non-zero status; the input that caused
# it is written to build-fuzz/artifacts/. Replay one with
#   build-fuzz/fuzz/<target> build-fuzz/artifacts/<file>
# Environment: FUZZ_JOBS (build jobs, default 2), FUZZ_NICE (niceness, default 0),
# FUZZ_LOG_DIR (keep each target's full libFuzzer log there).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-300}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(list_fuzz path_fuzz)
build=$repo/build-fuzz

bash "$repo/scripts/setup.sh" clang libclang-rt-14-dev
cmake -S "$repo" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBCD_FUZZ=ON -DBCD_TESTS=OFF >/dev/null
cmake --build "$build" -j "${FUZZ_JOBS:-2}" --target "${targets[@]}"

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  log=${FUZZ_LOG_DIR:+$FUZZ_LOG_DIR/$target.log}
  log=${log:-$(mktemp)}
  echo "=== $target for ${seconds}s"
  status=0
  # New inputs go to the first corpus directory; the seeds stay as they are.
  nice -n "${FUZZ_NICE:-0}" "$build/fuzz/$target" "$corpus" "$repo/fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" >"$log" 2>&1 || status=$?
  # The closing coverage line and the final statistics.
  { grep -E '^#[0-9]+.*cov:' "$log" | tail -n 1; } || true
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done ' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "fuzz: $target failed (status $status); see $build/artifacts/" >&2
    exit 1
  fi
  [ -n "${FUZZ_LOG_DIR:-}" ] || rm -f "$log"
done
echo "=== fuzz: no crash, leak or timeout"
