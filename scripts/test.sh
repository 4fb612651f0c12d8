#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test suite through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure ${CTEST_ARGS:-}
