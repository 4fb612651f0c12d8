#!/usr/bin/env bash
# Installs the programs the benchmarks compare against, when they are missing. They are only
# needed for measuring, so they stay out of install-deps.sh.
set -euo pipefail
peers=(gnome-clocks ktimer kteatime)
missing=()
for p in "${peers[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
