#!/usr/bin/env bash
# Builds and runs the record benchmark: the largest event register (65,025 entries).
# Usage: bench/records/run.sh [build-dir] [entries]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD="${1:-$ROOT/build-bench}"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" --target bench_records -j2 >/dev/null
# The store logs what it reads at debug level; the figures are about the work, not the terminal.
QT_QPA_PLATFORM=offscreen "$BUILD/bin/bench_records" ${2:-65025} 2>/dev/null
