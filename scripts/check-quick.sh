#!/usr/bin/env bash
# The quick checks, run before the long builds: the C++ layout against
# .clang-format and ESLint over the page's scripts.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== clang-format"
# The glyph atlas is generated and keeps its generator's layout.
git ls-files '*.cpp' '*.h' ':!surface/raster/GlyphAtlasData.cpp' | xargs clang-format --dry-run --Werror

echo "== ESLint over web/page"
(cd web && node_modules/.bin/eslint --max-warnings 0 page)
