"""Writes the catalogs as a C++ table compiled into the Qt-free core:
python3 cpp_catalogs.py OUT.cpp CATALOG.po..."""

import sys

import po


def literal(text):
    out = ['"']
    for byte in text.encode('utf-8'):
        c = chr(byte)
        if c in '"\\':
            out.append('\\' + c)
        elif 0x20 <= byte < 0x7f and c != '?':  # '?' would start trigraph-like pairs
            out.append(c)
        else:
            out.append(f'\\{byte:03o}')
    out.append('"')
    return ''.join(out)


def entries(catalog):
    """Sorted (key, forms) pairs of the translated messages."""
    found = {}
    for m in catalog.messages:
        forms = m.translations()
        if m.fuzzy or not forms or not all(forms):
            continue  # untranslated or unsure: English shows
        found[m.key.encode('utf-8')] = forms
    return sorted(found.items())


def main(out_path, paths):
    lines = [
        '// Generated from po/*.po by language/tools/cpp_catalogs.py; edit the catalogs, not this file.',
        '#include "language/Catalog.h"',
        '',
        'namespace orvalde {',
        'namespace {',
        '',
    ]
    names = []
    for index, path in enumerate(sorted(paths)):
        catalog = po.read(path)
        code = catalog.language()
        if not code:
            raise SystemExit(f'{path}: the header has no Language')
        nplurals, expression = catalog.plural_forms()
        lines.append(f'int Plural{index}(unsigned long n) {{')
        lines.append('    (void)n;')
        lines.append(f'    return static_cast<int>({expression});')
        lines.append('}')
        lines.append('')
        lines.append(f'constexpr CatalogEntry kEntries{index}[] = {{')
        for key, forms in entries(catalog):
            joined = '\0'.join(forms)
            lines.append(f'    {{{literal(key.decode("utf-8"))}, {literal(joined)}, {len(joined.encode("utf-8"))}, '
                         f'{len(forms)}}},')
        lines.append('};')
        lines.append('')
        names.append(f'    {{{literal(code)}, {nplurals}, &Plural{index}, kEntries{index}}},')
    if names:
        lines.append('constexpr Catalog kCatalogs[] = {')
        lines.extend(names)
        lines.append('};')
        lines.append('')
    lines.append('}  // namespace')
    lines.append('')
    lines.append(f'std::span<const Catalog> Catalogs() {{ return {"kCatalogs" if names else "{}"}; }}')
    lines.append('')
    lines.append('}  // namespace orvalde')
    text = '\n'.join(lines) + '\n'
    try:
        with open(out_path, encoding='utf-8') as f:
            if f.read() == text:
                return  # unchanged: nothing recompiles
    except FileNotFoundError:
        pass
    with open(out_path, 'w', encoding='utf-8') as f:
        f.write(text)


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2:])
