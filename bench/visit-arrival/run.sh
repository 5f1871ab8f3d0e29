#!/usr/bin/env bash
# Builds and runs the visit-arrival benchmark: the arrival reading without the event register,
# from the simulator paced at 19200 baud, through the main window, against the time its bytes need
# on the wire. The last
# line is the figure; the target is a ratio of at most 1.2.
set -euo pipefail
OSTREL_ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD_DIR="${OSTREL_BUILD_DIR:-$OSTREL_ROOT/build}"
cmake -S "$OSTREL_ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE="${OSTREL_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$BUILD_DIR" --parallel 2 --target ostrel-sim bench-visit-arrival
for preset in basic smoke-vent extinguishing; do
    QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bin/bench-visit-arrival" "$preset"
done
