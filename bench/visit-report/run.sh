#!/usr/bin/env bash
# Builds and runs the service report benchmark: a visit whose event register holds 65,025
# entries. The report must be ready (HTML and its PDF, without the register appendix) within
# 3 s. The last line is the figure.
# Usage: bench/visit-report/run.sh [build-dir] [entries]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD="${1:-$ROOT/build}"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE="${OSTREL_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$BUILD" --target bench-visit-report -j2 >/dev/null
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" QT_LOGGING_RULES="*.debug=false" \
    "$BUILD/bin/bench-visit-report" ${2:-65025} 2>/dev/null
