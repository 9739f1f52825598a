#!/usr/bin/env bash
# Installs what is missing, builds Orvalde (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target orvalde

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "orvalde: no display found; start it under a virtual display with: xvfb-run -s '-screen 0 1920x1080x24' build/release/orvalde" >&2
  exit 1
fi
exec build/release/orvalde
