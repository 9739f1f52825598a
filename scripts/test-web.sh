#!/usr/bin/env bash
# Builds the browser edition into build/web and its download archive
# build/orvalde-web-<version>.zip, and tests them: the physics on node against
# the native build, the size of the folder, the page itself in headless
# Chromium, then the archive unpacked elsewhere. Needs the developer build
# (build/dev) for the native orvalde-trace and orvalde-snapshot, and for the
# version the archive's page must show.
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian's emscripten finds its node modules here whichever node runs it.
export NODE_PATH=/usr/share/nodejs
started=$(date +%s)

echo "== web: the native tools it is compared with"
cmake --preset dev >/dev/null
cmake --build --preset dev -j "${JOBS:-2}" --target orvalde-trace orvalde-snapshot orvalde orvalde-keys

echo "== web build"
cmake --preset web >/dev/null
cmake --build --preset web -j "${JOBS:-2}"

echo "== web: size of build/web"
size=$(du -cb build/web/* | tail -1 | cut -f1)
echo "build/web: $size bytes"
if ((size > 1048576)); then
  echo "build/web is larger than 1 MB" >&2
  exit 1
fi

echo "== web: orvalde-trace on node against the native one"
/usr/bin/python3 web/tests/compare_trace.py build/dev/orvalde-trace build/web-node/orvalde-trace.js

echo "== web: the page in headless Chromium"
ORVALDE_SNAPSHOT=build/dev/orvalde-snapshot /usr/bin/python3 web/tests/test_page.py

echo "== web: the lesson's keys, panel, sweep and saving in headless Chromium"
/usr/bin/python3 web/tests/test_lesson.py

echo "== web: keyboard only, assistive technology and axe-core"
/usr/bin/python3 web/tests/test_access.py

echo "== web: the same keys in both editions"
ORVALDE_KEYS=build/dev/tests/orvalde-keys /usr/bin/python3 web/tests/test_keys_agree.py

echo "== web: the laboratory's drags, keys, race, table and link in headless Chromium"
/usr/bin/python3 web/tests/test_lab.py

echo "== web: the page in Greek and switching language in headless Chromium"
/usr/bin/python3 web/tests/test_language.py

echo "== web: the archive unpacked in a fresh folder, in headless Chromium"
version=$(QT_QPA_PLATFORM=offscreen build/dev/orvalde --version | cut -d' ' -f2)
archive=build/orvalde-web-$version.zip
echo "$archive: $(stat -c %s "$archive") bytes"
ORVALDE_VERSION="$version" ORVALDE_ARCHIVE="$archive" /usr/bin/python3 web/tests/test_archive.py

echo "== web: bench.html (figures only, not a test)"
/usr/bin/python3 web/tests/run_bench.py build/web || echo "bench.html did not finish" >&2

echo "== web part took $(($(date +%s) - started)) s"
