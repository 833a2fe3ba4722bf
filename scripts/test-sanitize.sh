#!/usr/bin/env bash
# The tool and all its tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/, then every test run there:
# the end-to-end cases run the sanitized tool, so any memory error, leak or
# undefined behaviour in a run fails its case.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$repo/build-sanitize

bash "$repo/scripts/setup.sh" clang libclang-rt-14-dev
cmake -S "$repo" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DBCD_SANITIZE=ON >/dev/null
cmake --build "$build" -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$build" -j2 --timeout 300 --output-on-failure
