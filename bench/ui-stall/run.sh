#!/usr/bin/env bash
# Builds and runs the GUI stall benchmark: how late a 5 ms timer of the GUI thread gets while a
# 64-part event log comes in from the paced simulator (progress shown), while the largest
# register opens, while that register is exported as PDF (and one export is cancelled), and
# while a sync with a throwaway PostgreSQL archive pushes all of it (needs the postgresql
# package). Several minutes; the last line is the figure.
# Usage: bench/ui-stall/run.sh [build-dir]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD="${1:-$ROOT/build}"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE="${OSTREL_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$BUILD" --target ostrel-sim bench-ui-stall -j2 >/dev/null
# The link and the decoder log at debug level; the figures are about the GUI, not the terminal.
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" QT_LOGGING_RULES="*.debug=false" \
    "$BUILD/bin/bench-ui-stall" 2>/dev/null
