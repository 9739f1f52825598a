#!/usr/bin/env bash
# Installs what is missing, builds Orvalde with its tests and runs every test:
# once in the developer build and once under AddressSanitizer and
# UndefinedBehaviorSanitizer. Then builds the release tree (the program, the
# tools and orvalde-bench) and packages it as a .deb in build/release. Last it
# builds the browser edition and tests it in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

for preset in dev asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

# The sweep's worker thread beside the animating window, and a close in the
# middle of a sweep, under ThreadSanitizer (the tsan test preset's subset).
echo "== tsan build and the thread tests"
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs"
ctest --preset tsan

echo "== release build and package"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
(cd build/release && cpack >/dev/null)
deb=$(ls build/release/orvalde_*.deb)
dpkg-deb --field "$deb" Package Version Depends
dpkg-deb --contents "$deb" | awk '{print $6}' | grep -E 'bin/orvalde$|\.desktop$|metainfo\.xml$|orvalde\.1$|hicolor/.*/orvalde\.(svg|png)$' |
  wc -l | grep -qx 8 || { echo "test.sh: $deb lacks some of its files" >&2; exit 1; }
echo "built $deb"

JOBS="$jobs" scripts/test-web.sh
