"""The catalogs' gates:
python3 check_catalogs.py FRESH.pot COMMITTED.pot CATALOG.po...
FRESH.pot is what the code marks now. Fails, naming every fault, when the
committed template is stale, a catalog lacks a translation (or has only a
fuzzy one), keeps a message the code no longer uses, or changes the
placeholders of a message."""

import sys

import po


def signature(m):
    return (m.key, m.plural)


def check(fresh_path, committed_path, catalog_paths):
    faults = []
    fresh = po.read(fresh_path)
    wanted = {m.key: m for m in fresh.messages}
    committed = po.read(committed_path)
    if sorted(map(signature, committed.messages)) != sorted(map(signature, fresh.messages)):
        faults.append(f'{committed_path} is not what the code marks: run scripts/update-catalogs.sh')

    for path in catalog_paths:
        catalog = po.read(path)
        try:
            nplurals, _ = catalog.plural_forms()
        except ValueError as error:
            faults.append(str(error))
            nplurals = 2
        have = {m.key: m for m in catalog.messages}
        for key, source in wanted.items():
            m = have.get(key)
            name = key.replace(po.CONTEXT_SEPARATOR, ' | ')
            if m is None:
                faults.append(f'{path}: no message "{name}": run scripts/update-catalogs.sh')
                continue
            forms = m.translations()
            expected_forms = nplurals if source.plural is not None else 1
            if m.fuzzy:
                faults.append(f'{path}:{m.line}: "{name}" is fuzzy: check the translation and drop the flag')
            if len(forms) != expected_forms or not all(forms):
                faults.append(f'{path}:{m.line}: "{name}" lacks a translation ({expected_forms} form(s) wanted)')
                continue
            originals = [source.msgid] + ([source.plural] if source.plural is not None else [])
            want = po.placeholders(originals[-1])
            if any(po.placeholders(o) != want for o in originals):
                faults.append(f'{fresh_path}: "{name}": singular and plural have different placeholders')
            for form in forms:
                if po.placeholders(form) != want:
                    faults.append(f'{path}:{m.line}: "{name}": placeholders {po.placeholders(form)} '
                                  f'in "{form}", the English has {want}')
        for key, m in have.items():
            if key not in wanted:
                name = key.replace(po.CONTEXT_SEPARATOR, ' | ')
                faults.append(f'{path}:{m.line}: "{name}" is not used by the code: run scripts/update-catalogs.sh')
    return faults


def main(argv):
    faults = check(argv[1], argv[2], argv[3:])
    for fault in faults:
        print(fault, file=sys.stderr)
    if faults:
        return 1
    print(f'catalogs: {len(argv) - 3} checked, every message translated')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
