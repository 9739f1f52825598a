#!/usr/bin/env bash
# The catalogs' gates, quick enough to run before any build: po/orvalde.pot
# is what the code marks today, every catalog translates every message of it
# and nothing else, and the placeholders match.
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
scripts/update-catalogs.sh "$work/fresh.pot"
for catalog in po/*.po; do
  msgfmt --check --output-file=/dev/null "$catalog"
done
python3 language/tools/check_catalogs.py "$work/fresh.pot" po/orvalde.pot po/*.po
