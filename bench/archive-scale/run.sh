#!/usr/bin/env bash
# Builds and runs the archive-scale benchmark at low priority (it starts its own PostgreSQL
# cluster; the first run generates the 200,000-record archive, later runs copy it from
# ~/.cache/ostrel-bench). Usage: bench/archive-scale/run.sh [build-dir]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD="${1:-$ROOT/build-bench}"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice -n 10 cmake --build "$BUILD" --target bench-archive-scale -j2 >/dev/null
# The sync logs every record at debug level; the figures are about the work, not the terminal.
QT_LOGGING_RULES="*.debug=false" nice -n 10 "$BUILD/bin/bench-archive-scale"
