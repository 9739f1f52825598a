#!/usr/bin/env bash
# Installs what is missing, builds Orvalde with its tests and runs every test:
# once in the developer build (GCC) and once built with Clang under
# AddressSanitizer and UndefinedBehaviorSanitizer, both with warnings as
# errors. Then builds the release tree (the program, the
# tools and orvalde-bench) and packages it as a .deb in build/release. Last it
# builds the browser edition and tests it in headless Chromium, and checks
# that the run left the working tree clean.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh all
scripts/check-quick.sh
export QT_QPA_PLATFORM=offscreen
# The browser tests' Python would leave __pycache__ in the tree.
export PYTHONDONTWRITEBYTECODE=1
# install-deps.sh all has put axe-core in place: its check must run, not skip.
export ORVALDE_REQUIRE_AXE=1

echo "== catalogs"
scripts/check-catalogs.sh
jobs=$(nproc)
# What the working tree holds before the run; the run must add nothing to it.
tree_before=$(git status --porcelain 2>/dev/null || true)

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
cmake --preset release -DORVALDE_BUILD_BENCH=ON >/dev/null
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

echo "== clean tree"
tree_after=$(git status --porcelain 2>/dev/null || true)
if [[ "$tree_after" != "$tree_before" ]]; then
  echo "test.sh: the run changed the working tree (git status --porcelain):" >&2
  diff <(echo "$tree_before") <(echo "$tree_after") >&2 || true
  exit 1
fi
