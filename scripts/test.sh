#!/usr/bin/env bash
# Every test: the Linux build and its tests, then each further leg that
# exists. Stops at the first leg that fails.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

legs=(test-linux.sh test-sanitize.sh test-windows.sh test-fuzz.sh)
for leg in "${legs[@]}"; do
  [ -f "$repo/scripts/$leg" ] || continue
  echo "=== $leg"
  bash "$repo/scripts/$leg"
done
echo "=== all legs passed"
