#!/usr/bin/env bash
# Installs what is missing, builds Orvalde (release) and starts it. Without a
# display the program itself says how to start it under a virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh desktop
# The benchmarks need test packages that the desktop set leaves out.
cmake --preset release -DORVALDE_BUILD_BENCH=OFF >/dev/null
cmake --build --preset release --target orvalde
exec "$PWD/build/release/orvalde" "$@"
