#!/usr/bin/env bash
# Builds and runs the benchmarks, printing their tables.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build=${BUILD_DIR:-build}
"$build/bench/bench_tick_lateness" "${TICKS:-60}"
