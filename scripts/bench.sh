#!/usr/bin/env bash
# Builds the program and the benchmarks optimised, then measures the program beside its peers on
# a real X server and prints the tables.
#   bash scripts/bench.sh [--long]   (--long adds ten-minute figures: about 11 minutes more)
# BUILD_DIR (default build-bench), RUNS (default 5), WINDOW seconds (default 10), TICKS (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
long=()
for arg in "$@"; do
    case "$arg" in
    --long) long=(--long) ;;
    *) echo "usage: $0 [--long]" >&2; exit 2 ;;
    esac
done
bash scripts/install-deps.sh
bash scripts/bench-peers-deps.sh
build=${BUILD_DIR:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j 2 --target tavorine bench_tick_lateness bench_alarm_cpu bench_expiry \
    bench_floor_window bench_first_frame
xvfb-run -a -s "-screen 0 1920x1200x24" dbus-run-session -- \
    python3 bench/driver.py --build "$build" --runs "${RUNS:-5}" --window "${WINDOW:-10}" \
    "${long[@]}"
echo
"$build/bench/bench_tick_lateness" "${TICKS:-30}"
