#!/usr/bin/env bash
# Builds the tool and its tests on Linux and runs them all.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

bash "$repo/scripts/setup.sh"
cmake -S "$repo" -B "$repo/build" >/dev/null
cmake --build "$repo/build" -j2
ctest --test-dir "$repo/build" -j2 --timeout 120 --output-on-failure
