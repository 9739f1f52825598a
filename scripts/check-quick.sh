#!/usr/bin/env bash
# The quick checks, run before the long builds: the C++ layout against
# .clang-format, ESLint over the page's scripts and the changelog's lines.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== clang-format"
# The glyph atlas is generated and keeps its generator's layout.
git ls-files '*.cpp' '*.h' ':!surface/raster/GlyphAtlasData.cpp' | xargs clang-format --dry-run --Werror

echo "== ESLint over web/page"
(cd web && node_modules/.bin/eslint --max-warnings 0 page)

echo "== CHANGELOG.md lines fit the package's changelog"
# The package indents items by two more columns and lintian wants at most 80.
awk '(/^- / && length($0) > 78) || (/^  / && length($0) > 76) {
  printf "CHANGELOG.md:%d: too long for the package'"'"'s changelog (%d columns)\n", NR, length($0); bad = 1
} END { exit bad }' CHANGELOG.md
