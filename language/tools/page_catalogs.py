"""The page's catalogs: python3 page_catalogs.py OUT.js IN.html OUT.html [IN.html OUT.html...] CATALOG.po...
OUT.js defines ORVALDE_CATALOGS for orvalde-language.js. Each OUT.html is its
page with every data-msgid element filled in English, and what <noscript>
holds repeated in every language (each with its lang), since without
JavaScript nothing can choose."""

import html
import json
import re
import sys

import po
from cpp_catalogs import entries

ELEMENT = re.compile(r'<(\w+)([^>]*?)data-msgid="([^"]*)"([^>]*)></\1>')
NOSCRIPT = re.compile(r'<noscript>(.*?)</noscript>', re.S)


def page_catalogs(catalogs):
    parts = []
    for catalog in catalogs:
        _, expression = catalog.plural_forms()
        messages = {key.decode('utf-8'): forms for key, forms in entries(catalog)}
        parts.append(f'  {json.dumps(catalog.language())}: {{\n'
                     f'    plural: (n) => +({expression}),\n'
                     f'    messages: {json.dumps(messages, ensure_ascii=False, sort_keys=True)},\n  }},')
    return ("'use strict';\n// Generated from po/*.po by language/tools/page_catalogs.py; edit the catalogs.\n"
            'const ORVALDE_CATALOGS = Object.freeze({\n' + '\n'.join(parts) + '\n});\n')


def fill(text, language, translations):
    def element(match):
        tag, before, msgid, after = match.groups()
        msgid = html.unescape(msgid)
        shown = translations.get(msgid, [msgid])[0]
        lang = f' lang="{language}"' if language else ''
        return (f'<{tag}{before}data-msgid="{html.escape(msgid)}"{after}{lang}>'
                f'{html.escape(shown, quote=False)}</{tag}>')
    return ELEMENT.sub(element, text)


def page(text, catalogs):
    languages = [('en', {})] + [(c.language(), {k.decode('utf-8'): f for k, f in entries(c)}) for c in catalogs]

    def noscript(match):
        return '<noscript>' + ''.join(fill(match.group(1), code, t) for code, t in languages) + '</noscript>'
    return fill(NOSCRIPT.sub(noscript, text), None, {})


def write_if_changed(path, text):
    try:
        with open(path, encoding='utf-8') as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(path, 'w', encoding='utf-8') as f:
        f.write(text)


def main(js_path, arguments):
    pages = [a for a in arguments if a.endswith('.html')]
    catalogs = [po.read(p) for p in sorted(a for a in arguments if not a.endswith('.html'))]
    write_if_changed(js_path, page_catalogs(catalogs))
    for page_in, page_out in zip(pages[0::2], pages[1::2]):
        with open(page_in, encoding='utf-8') as f:
            write_if_changed(page_out, page(f.read(), catalogs))


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2:])
