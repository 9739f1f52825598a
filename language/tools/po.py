"""Reads gettext catalogs (.po, .pot): the header and every message that is
not obsolete. Only what the build and the checks need; writing stays with
gettext's own tools."""

import re

CONTEXT_SEPARATOR = '\x04'  # gettext's: context, EOT, msgid


class Message:
    def __init__(self):
        self.context = None
        self.msgid = None
        self.plural = None
        self.forms = {}  # index -> text
        self.fuzzy = False
        self.line = 0

    @property
    def key(self):
        if self.context is None:
            return self.msgid
        return self.context + CONTEXT_SEPARATOR + self.msgid

    def translations(self):
        return [self.forms.get(i, '') for i in range(max(self.forms) + 1)] if self.forms else []


class Catalog:
    def __init__(self, path, header, messages):
        self.path = path
        self.header = header
        self.messages = messages  # without the header

    def plural_forms(self):
        """(nplurals, expression) from Plural-Forms; English's when absent."""
        text = self.header.get('Plural-Forms', 'nplurals=2; plural=(n != 1);')
        match = re.fullmatch(r'\s*nplurals\s*=\s*(\d+)\s*;\s*plural\s*=\s*(.+?)\s*;?\s*', text)
        if not match:
            raise ValueError(f'{self.path}: cannot read Plural-Forms "{text}"')
        expression = match.group(2)
        # C and JavaScript share this syntax; nothing else may pass.
        if not re.fullmatch(r'[n0-9\s()?:<>=!&|%+\-*/]+', expression):
            raise ValueError(f'{self.path}: unexpected characters in plural expression "{expression}"')
        return int(match.group(1)), expression

    def language(self):
        return self.header.get('Language', '')


def _unquote(text, path, number):
    if not (text.startswith('"') and text.endswith('"')):
        raise ValueError(f'{path}:{number}: expected a quoted string')
    body = text[1:-1]
    escapes = {'n': '\n', 't': '\t', '"': '"', '\\': '\\', 'r': '\r'}
    out = []
    i = 0
    while i < len(body):
        c = body[i]
        if c == '\\' and i + 1 < len(body):
            out.append(escapes.get(body[i + 1], body[i + 1]))
            i += 2
        else:
            out.append(c)
            i += 1
    return ''.join(out)


def read(path):
    messages = []
    current = Message()
    field = None  # ('msgid'|'msgid_plural'|'msgctxt'|('msgstr', i))
    pending_flags = []

    def finish():
        nonlocal current
        if current.msgid is not None:
            current.fuzzy = 'fuzzy' in pending_flags
            messages.append(current)
        current = Message()
        pending_flags.clear()

    def append(value):
        if field == 'msgid':
            current.msgid += value
        elif field == 'msgid_plural':
            current.plural += value
        elif field == 'msgctxt':
            current.context += value
        else:
            current.forms[field[1]] += value

    with open(path, encoding='utf-8') as f:
        for number, raw in enumerate(f, 1):
            line = raw.strip()
            if not line:
                finish()
                field = None
                continue
            if line.startswith('#~'):
                continue  # obsolete
            if line.startswith('#,'):
                if current.msgid is not None:
                    finish()
                pending_flags.extend(flag.strip() for flag in line[2:].split(','))
                continue
            if line.startswith('#'):
                if current.msgid is not None and field and field != 'msgctxt':
                    finish()
                continue
            keyword, _, rest = line.partition(' ')
            if line.startswith('"'):
                if field is None:
                    raise ValueError(f'{path}:{number}: string outside a message')
                append(_unquote(line, path, number))
            elif keyword == 'msgctxt':
                if current.msgid is not None:
                    finish()
                current.context = _unquote(rest, path, number)
                field = 'msgctxt'
            elif keyword == 'msgid':
                if current.msgid is not None:
                    finish()
                current.msgid = _unquote(rest, path, number)
                current.line = number
                field = 'msgid'
            elif current.msgid is None and keyword.startswith('msgstr') or keyword == 'msgid_plural' and current.msgid is None:
                raise ValueError(f'{path}:{number}: {keyword} without a msgid before it')
            elif keyword == 'msgid_plural':
                current.plural = _unquote(rest, path, number)
                field = 'msgid_plural'
            elif keyword == 'msgstr':
                current.forms[0] = _unquote(rest, path, number)
                field = ('msgstr', 0)
            elif keyword.startswith('msgstr['):
                index = int(keyword[7:-1])
                current.forms[index] = _unquote(rest, path, number)
                field = ('msgstr', index)
            else:
                raise ValueError(f'{path}:{number}: cannot read "{line}"')
        finish()

    header = {}
    body = []
    for m in messages:
        if m.msgid == '' and m.context is None:
            for entry in m.forms.get(0, '').split('\n'):
                name, sep, value = entry.partition(':')
                if sep:
                    header[name.strip()] = value.strip()
        else:
            body.append(m)
    return Catalog(path, header, body)


PLACEHOLDER = re.compile(r'\{([A-Za-z_][A-Za-z0-9_]*)\}')


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))
