#!/usr/bin/env bash
# The micro-benchmark of the per-record hot paths (line reading, number
# parsing, name splitting); writes bench/micro-results.txt.
#   bash bench/micro.sh [google-benchmark options]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh libbenchmark-dev
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBCD_TESTS=OFF -DBCD_MICRO_BENCH=ON >/dev/null
cmake --build build/release --target micro_bench -j2 >/dev/null
build/release/micro_bench "$@" | tee bench/micro-results.txt
