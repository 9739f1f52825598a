#!/usr/bin/env bash
# Extracts the texts marked for translation into po/orvalde.pot and merges it
# into every po/<language>.po; new texts arrive untranslated, changed ones
# fuzzy, texts the code dropped are removed. Then translate them and run
# scripts/check-catalogs.sh.
#   C++:  language.tr("…"), language.trn("…", "…", n), language.trc("context", "…"), N_("…")
#   page: OrvaldePage.Language.tr('…') (and trn, trc, N_); HTML: data-msgid="…"
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-po/orvalde.pot}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The program's sources; the tests and benchmarks show nothing to a user.
git grep --untracked -l -E "\\b(tr|trc|trn|N_)\\(" -- "*.cpp" "*.h" "web/page/*.js" ":!tests/" ":!bench/" >"$work/files"
xgettext --files-from="$work/files" --from-code=UTF-8 --output="$work/code.pot" \
  --keyword= --keyword=tr:1 --keyword=trc:1c,2 --keyword=trn:1,2 --keyword=N_:1 \
  --add-comments=TRANSLATORS: --add-location=file --no-wrap --sort-by-file \
  --package-name=Orvalde --msgid-bugs-address=orvalde@localhost
sed -i 's/charset=CHARSET/charset=UTF-8/' "$work/code.pot"
python3 language/tools/html_messages.py "$work/page.pot" web/page/index.html web/page/lab.html
msgcat --use-first --no-wrap --add-location=file --output-file="$work/all.pot" "$work/code.pot" "$work/page.pot"
# Only a new date is no change: the template stays as it was.
if ! [[ -f "$out" ]] || ! diff -q <(grep -v '^"POT-Creation-Date' "$out") \
    <(grep -v '^"POT-Creation-Date' "$work/all.pot") >/dev/null; then
  cp "$work/all.pot" "$out"
fi

if [[ "$out" == po/orvalde.pot ]]; then
  shopt -s nullglob
  for catalog in po/*.po; do
    msgmerge --quiet --update --backup=none --no-wrap --add-location=file "$catalog" po/orvalde.pot
    msgattrib --no-obsolete --no-wrap --add-location=file --output-file="$catalog" "$catalog"
  done
fi
