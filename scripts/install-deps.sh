#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Tavorine needs, and generates
# the locales the tests name. Safe to run again: it only acts on what is missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libvulkan-dev
  libjpeg-dev libsdl2-dev libsndfile1-dev
  libgtest-dev libgmock-dev googletest
  # what the program uses at run time
  xdg-utils sound-theme-freedesktop
  fonts-liberation fonts-dejavu-core fonts-wine fonts-arkpandora
  # test machinery: a real X server and window manager, a real D-Bus peer, locales
  xvfb xauth openbox xdotool x11-utils x11-apps imagemagick
  dbus dbus-daemon python3 python3-dbusmock locales procps
  # packaging (scripts/ci-package.sh) and fuzzing (scripts/fuzz.sh)
  desktop-file-utils
  appstream
  dpkg-dev
  clang
  libclang-rt-14-dev
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The locale tests use one 12-hour and one 24-hour locale.
need_gen=0
for loc in en_US.UTF-8 de_DE.UTF-8; do
  short=$(echo "$loc" | sed 's/UTF-8/utf8/')
  if ! locale -a 2>/dev/null | grep -qx "$short"; then
    $sudo sed -i "s/^# *\($loc UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$loc UTF-8" /etc/locale.gen || echo "$loc UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    need_gen=1
  fi
done
if [ "$need_gen" -eq 1 ]; then
  $sudo locale-gen
fi
