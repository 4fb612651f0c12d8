#!/usr/bin/env bash
# headless-screenshot.sh BINARY OUTPUT.png: runs BINARY under a private Xvfb with openbox inside
# its own session bus, waits for its main window, saves a screenshot of the screen, and stops.
set -euo pipefail
bin=$(realpath "$1")
out=$(realpath -m "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
bin=$1; out=$2
openbox >/dev/null 2>&1 &
# A window mapped while the window manager is still starting can be lost: wait for it first.
for _ in $(seq 1 200); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then break; fi
  sleep 0.05
done
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/no-system-bus"
"$bin" &
pid=$!
for _ in $(seq 1 200); do
  if xdotool search --name '^Tavorine$' >/dev/null 2>&1; then break; fi
  sleep 0.05
done
sleep 1.5   # let the clock line take its first value
import -window root "$out"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
INNER
WORK="$work" xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash "$work/inner.sh" "$bin" "$out"
echo "Screenshot saved to $out"
