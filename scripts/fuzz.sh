#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (fuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a fixed time, starting from its committed seeds in fuzz/corpus/<target>/.
# Exits non-zero when any target crashes, hangs, runs out of memory or trips a sanitizer; the
# input that did it is kept in <build folder>/fuzz/artifacts/<target>/.
#   BUILD_DIR     build folder (default build-fuzz)
#   FUZZ_TIME     seconds per target (default 60)
#   FUZZ_TARGETS  space-separated targets to run (default: every fuzz/fuzz_*.cpp)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build-fuzz}
fuzz_time=${FUZZ_TIME:-60}

if [ -z "${FUZZ_TARGETS:-}" ]; then
  FUZZ_TARGETS=$(for f in fuzz/fuzz_*.cpp; do basename "$f" .cpp; done | tr '\n' ' ')
fi

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVORINE_FUZZ=ON -DTAVORINE_TESTS=OFF -DTAVORINE_BENCH=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build "$build_dir" -j 2 --target $FUZZ_TARGETS

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Leaks inside the libraries we call, not ours, are listed in fuzz/lsan.supp.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0}
# Nothing a target does may reach a bus or a sound device of this machine.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/no-system-bus"
export DBUS_SESSION_BUS_ADDRESS="disabled:"
export SDL_AUDIODRIVER=dummy
export QT_QPA_PLATFORM=offscreen

failed=()
summary=()
for target in $FUZZ_TARGETS; do
  binary="$build_dir/fuzz/$target"
  seeds="fuzz/corpus/$target"
  corpus="$build_dir/fuzz/corpus/$target"
  artifacts="$build_dir/fuzz/artifacts/$target"
  log="$build_dir/fuzz/$target.log"
  [ -x "$binary" ] || { echo "fuzz: $binary was not built" >&2; exit 1; }
  [ -d "$seeds" ] || { echo "fuzz: no seed corpus $seeds" >&2; exit 1; }
  # The grown corpus stays in the build folder; the committed seeds are only read.
  mkdir -p "$corpus" "$artifacts"
  echo "== $target: ${fuzz_time}s"
  rc=0
  "$binary" "$corpus" "$seeds" \
    -max_total_time="$fuzz_time" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1 || rc=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  if [ "$rc" -ne 0 ]; then
    failed+=("$target")
    summary+=("$target: FAILED (exit $rc) after $runs runs; see $log and $artifacts/")
    grep -E 'ERROR|SUMMARY|runtime error|fuzz check failed|Test unit written' "$log" | head -n 20 >&2 || true
  else
    summary+=("$target: ok, $runs runs in ${fuzz_time}s")
  fi
done

echo "== Fuzzing summary"
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
