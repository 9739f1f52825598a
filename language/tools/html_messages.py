"""The page's static texts as a catalog template: every element of an HTML
file with a data-msgid attribute. python3 html_messages.py OUT.pot PAGE.html..."""

import html
import re
import sys

ATTRIBUTE = re.compile(r'data-msgid="([^"]*)"')


def quote(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n') + '"'


def main(out_path, pages):
    found = {}
    for page in pages:
        with open(page, encoding='utf-8') as f:
            for match in ATTRIBUTE.finditer(f.read()):
                found.setdefault(html.unescape(match.group(1)), page)
    with open(out_path, 'w', encoding='utf-8') as out:
        out.write('msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=UTF-8\\n"\n\n')
        for msgid, page in found.items():
            out.write(f'#: {page}\nmsgid {quote(msgid)}\nmsgstr ""\n\n')


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2:])
