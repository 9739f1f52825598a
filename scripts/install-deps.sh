#!/usr/bin/env bash
# Installs the Debian packages Orvalde needs to build, run and test, only
# those that are missing. Run as root (or with sudo available).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core fontconfig libstb-dev
  libgtest-dev libbenchmark-dev libboost-math-dev
  xvfb xauth openbox x11-utils
  desktop-file-utils appstream groff-base dpkg-dev file
  emscripten nodejs chromium chromium-driver python3-selenium clang-format
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} > 0)); then
  SUDO=""
  if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The page's tools from npm, pinned by web/package-lock.json.
"$(dirname "$0")/install-npm.sh"
