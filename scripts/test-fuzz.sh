#!/usr/bin/env bash
# A short bounded fuzz run of every target (30 s each), so that a regression
# the fuzzers would find shows in the test run. Fails on any crash, leak or
# timeout. For a longer run: scripts/fuzz.sh [seconds-per-target].
set -euo pipefail
exec bash "$(dirname "$0")/fuzz.sh" 30
