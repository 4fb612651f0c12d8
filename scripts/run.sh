#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tavorine. Without a display it starts the program
# under Xvfb with a window manager, saves a screenshot as build/screenshot.png and stops it again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
bin="${BUILD_DIR:-build}/src/app/tavorine"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin"
fi
exec bash scripts/headless-screenshot.sh "$bin" "${BUILD_DIR:-build}/screenshot.png"
