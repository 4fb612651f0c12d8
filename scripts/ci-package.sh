#!/usr/bin/env bash
# CI: builds the Debian package from a release build, installs it on this machine, checks the
# installed desktop entry and metadata with the desktop's validators, then starts the INSTALLED
# program under a private Xvfb with openbox inside its own session bus, waits for its main window
# to be mapped, saves a screenshot and stops it. Exits non-zero on the first failure.
#
# This installs a package system-wide, so it is for CI machines, not for the everyday test run.
#   BUILD_DIR   build folder (default build-package)
#   SCREENSHOT  where the screenshot goes (default <build folder>/installed-screenshot.png)
#   WINDOW_TIMEOUT  seconds to wait for the window (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build-package}
app_id=app.tavorine.Tavorine
timeout_s=${WINDOW_TIMEOUT:-30}

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

fail() {
  echo "ci-package: $*" >&2
  exit 1
}

bash scripts/install-deps.sh

echo "== Building the package in $build_dir"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTAVORINE_TESTS=OFF -DTAVORINE_BENCH=OFF -DTAVORINE_FUZZ=OFF >/dev/null
cmake --build "$build_dir"
rm -f "$build_dir"/tavorine_*.deb
(cd "$build_dir" && cpack -G DEB)
debs=("$build_dir"/tavorine_*_amd64.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  fail "expected one tavorine_<version>_amd64.deb"
fi
deb=$(realpath "${debs[0]}")
echo "Package: $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends

echo "== Installing it"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --reinstall "$deb"
dpkg-query -W -f='${Status}\n' tavorine | grep -q "install ok installed" \
  || fail "tavorine is not installed after apt-get install"

binary=$(dpkg -L tavorine | grep -E '/bin/tavorine$' | head -n 1)
if [ -z "$binary" ] || [ ! -x "$binary" ]; then
  fail "the package installs no executable bin/tavorine"
fi
desktop=$(dpkg -L tavorine | grep -E "/share/applications/$app_id\.desktop$" || true)
metainfo=$(dpkg -L tavorine | grep -E "/share/metainfo/$app_id\.metainfo\.xml$" || true)
[ -n "$desktop" ] || fail "the package installs no $app_id.desktop"
[ -n "$metainfo" ] || fail "the package installs no $app_id.metainfo.xml"
for size in 48 32 24 16; do
  icon=/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -f "$icon" ] || fail "missing icon $icon"
  dims=$(identify -format '%wx%h' "$icon")
  [ "$dims" = "${size}x${size}" ] || fail "$icon is $dims, not ${size}x${size}"
done

echo "== desktop-file-validate $desktop"
desktop-file-validate "$desktop"
echo "== appstreamcli validate --no-net $metainfo"
appstreamcli validate --no-net "$metainfo"

echo "== Starting the installed $binary"
screenshot=$(realpath -m "${SCREENSHOT:-$build_dir/installed-screenshot.png}")
rm -f "$screenshot"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/inner.sh" <<'INNER'
set -euo pipefail
binary=$1; screenshot=$2; timeout_s=$3; work=$4
openbox >"$work/openbox.log" 2>&1 &
# Start the program only once the window manager has taken over the screen: a window mapped
# while openbox is still starting can lose its map request and stay unmapped for good.
wm_deadline=$(( $(date +%s) + 10 ))
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  if [ "$(date +%s)" -ge "$wm_deadline" ]; then
    echo "openbox did not start; its output:" >&2
    cat "$work/openbox.log" >&2
    exit 1
  fi
  sleep 0.05
done
# A system bus address that leads nowhere: nothing the program does can reach a real one.
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/no-system-bus"
"$binary" >"$work/program.log" 2>&1 &
pid=$!
stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
deadline=$(( $(date +%s) + timeout_s ))
window=""
while [ -z "$window" ]; do
  if ! kill -0 "$pid" 2>/dev/null; then
    rc=0; wait "$pid" || rc=$?
    echo "the program exited (status $rc) before its window was mapped; its output:" >&2
    cat "$work/program.log" >&2
    exit 1
  fi
  if [ "$(date +%s)" -ge "$deadline" ]; then
    echo "no mapped window named Tavorine after ${timeout_s}s; the program's output:" >&2
    cat "$work/program.log" >&2
    stop
    exit 1
  fi
  window=$(xdotool search --onlyvisible --name '^Tavorine$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] || sleep 0.1
done
echo "window $window mapped: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"
# Wait for the window's first paint: its pixels are more than one flat colour.
painted=0
while [ "$(date +%s)" -lt "$deadline" ]; do
  import -window root "$screenshot"
  colours=$(identify -format '%k' "$screenshot")
  if [ "$colours" -gt 16 ]; then painted=1; break; fi
  sleep 0.2
done
# The clock line and the digits take their first values on the first one-second tick: keep the
# first screenshot that differs from the first paint, for a few seconds at most.
if [ "$painted" -eq 1 ]; then
  cp "$screenshot" "$work/first.png"
  settle=$(( $(date +%s) + 4 ))
  while [ "$(date +%s)" -lt "$settle" ]; do
    sleep 0.25
    import -window root "$work/next.png"
    if ! compare -metric AE "$work/first.png" "$work/next.png" null: >/dev/null 2>&1; then
      mv "$work/next.png" "$screenshot"
      break
    fi
  done
fi
alive=1
kill -0 "$pid" 2>/dev/null || alive=0
stop
if [ "$painted" -ne 1 ]; then
  echo "the window never showed more than a flat colour" >&2
  exit 1
fi
if [ "$alive" -ne 1 ]; then
  echo "the program died while its window was up; its output:" >&2
  cat "$work/program.log" >&2
  exit 1
fi
INNER

# Keep the program from picking up a desktop session's settings of the machine running CI.
env -u WAYLAND_DISPLAY -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
  XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24" \
  dbus-run-session -- bash "$work/inner.sh" "$binary" "$screenshot" "$timeout_s" "$work" \
  || fail "the installed program did not show its window"
[ -s "$screenshot" ] || fail "no screenshot was saved"
echo "== Installed program showed its window; screenshot saved to $screenshot"
