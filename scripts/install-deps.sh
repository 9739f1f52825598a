#!/usr/bin/env bash
# Installs the Debian packages Orvalde needs, only those that are missing. Run
# as root (or with sudo available).
#   install-deps.sh desktop   build and run the desktop edition (scripts/run.sh)
#   install-deps.sh all       build and test both editions (scripts/test.sh)
set -euo pipefail

# Building and running the desktop edition; xvfb and xauth for the virtual
# display the program's own hint points to when there is no screen.
desktop=(
  cmake ninja-build g++ pkg-config ccache python3 gettext
  qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core fontconfig
  xvfb xauth
)

# Testing: the test libraries, the Clang tree, the window manager the window
# is tried under, the packaging checks, and the browser edition's tool chain.
tests=(
  libstb-dev libgtest-dev libbenchmark-dev libboost-math-dev
  clang libclang-rt-dev clang-format
  openbox x11-utils
  desktop-file-utils appstream groff-base dpkg-dev file lintian
  emscripten nodejs chromium chromium-driver python3-selenium
)

case "${1:-}" in
  desktop) packages=("${desktop[@]}") ;;
  all) packages=("${desktop[@]}" "${tests[@]}") ;;
  --list-desktop) printf '%s\n' "${desktop[@]}"; exit 0 ;;
  --list-all) printf '%s\n' "${desktop[@]}" "${tests[@]}"; exit 0 ;;
  *) echo "usage: $0 desktop|all" >&2; exit 2 ;;
esac

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

# The page's tools from npm, pinned by web/package-lock.json, for the tests.
if [[ "$1" == all ]]; then
  "$(dirname "$0")/install-npm.sh"
fi
