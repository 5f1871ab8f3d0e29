#!/usr/bin/env bash
# Builds and runs the start-byte hunting benchmark: 1 MiB of noise in one read.
# Usage: bench/hunt/run.sh [build-dir] [mib]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD="${1:-$ROOT/build-bench}"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" --target bench_hunt -j2 >/dev/null
"$BUILD/bin/bench_hunt" ${2:-1}
