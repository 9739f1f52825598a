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

echo "== release build and package"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
# Only this version's package: an older one left behind would be checked instead.
rm -f build/release/orvalde_*.deb
(cd build/release && cpack >/dev/null)
deb=$(ls build/release/orvalde_*.deb)
dpkg-deb --field "$deb" Package Version Depends
dpkg-deb --contents "$deb" | awk '{print $6}' |
  grep -E 'bin/orvalde$|\.desktop$|metainfo\.xml$|orvalde\.1\.gz$|hicolor/.*/orvalde\.(svg|png)$|doc/orvalde/(copyright|changelog\.gz)$' |
  wc -l | grep -qx 10 || { echo "test.sh: $deb lacks some of its files" >&2; exit 1; }
scripts/check-deb.sh "$deb" build/release/orvalde
echo "built $deb"

JOBS="$jobs" scripts/test-web.sh
