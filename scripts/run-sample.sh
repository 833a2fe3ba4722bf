#!/usr/bin/env bash
# Builds the tool and runs it on the bundled sample game directory, in a
# scratch working directory, showing its Shift_JIS messages as UTF-8.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

bash "$repo/scripts/setup.sh"
cmake -S "$repo" -B "$repo/build" >/dev/null
cmake --build "$repo/build" --target bcdunpack -j2 >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/bcdunpack-sample-XXXXXX")
cd "$work"
"$repo/build/bcdunpack" "$repo/sample/game" | iconv -f CP932 -t UTF-8 | tr -d '\r'
echo
echo "Extracted into $work:"
find . -type f -printf '  %p  (%s bytes)\n' | sort
