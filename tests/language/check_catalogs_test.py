#!/usr/bin/python3
"""The catalogs' gate catches the faults it exists for: a missing (or fuzzy)
translation, a placeholder mismatch, a message the code no longer uses and a
stale template; and passes a sound catalog."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "language", "tools"))

import check_catalogs  # noqa: E402

HEADER = 'msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=UTF-8\\n"\n"Language: el\\n"\n' \
         '"Plural-Forms: nplurals=2; plural=(n != 1);\\n"\n\n'
TEMPLATE = HEADER + 'msgid "Cancel"\nmsgstr ""\n\nmsgid "{n} swing"\nmsgid_plural "{n} swings"\n' \
                    'msgstr[0] ""\nmsgstr[1] ""\n\nmsgctxt "decimal separator"\nmsgid "."\nmsgstr ""\n'
SOUND = HEADER + 'msgid "Cancel"\nmsgstr "Ακύρωση"\n\nmsgid "{n} swing"\nmsgid_plural "{n} swings"\n' \
                 'msgstr[0] "{n} αιώρηση"\nmsgstr[1] "{n} αιωρήσεις"\n\n' \
                 'msgctxt "decimal separator"\nmsgid "."\nmsgstr ","\n'


class Gate(unittest.TestCase):
    def faults(self, catalog, template=TEMPLATE):
        with tempfile.TemporaryDirectory() as folder:
            paths = []
            for name, text in (("fresh.pot", TEMPLATE), ("orvalde.pot", template), ("el.po", catalog)):
                paths.append(os.path.join(folder, name))
                with open(paths[-1], "w", encoding="utf-8") as f:
                    f.write(text)
            return check_catalogs.check(paths[0], paths[1], paths[2:])

    def test_a_sound_catalog_passes(self):
        self.assertEqual(self.faults(SOUND), [])

    def test_a_missing_or_fuzzy_translation_fails(self):
        missing = SOUND.replace('msgstr[1] "{n} αιωρήσεις"', 'msgstr[1] ""')
        self.assertIn('"{n} swing" lacks a translation', " ".join(self.faults(missing)))
        dropped = SOUND.replace('msgid "Cancel"\nmsgstr "Ακύρωση"\n\n', "")
        self.assertIn('no message "Cancel"', " ".join(self.faults(dropped)))
        fuzzy = SOUND.replace('msgid "Cancel"', '#, fuzzy\nmsgid "Cancel"')
        self.assertIn('"Cancel" is fuzzy', " ".join(self.faults(fuzzy)))

    def test_a_placeholder_mismatch_fails(self):
        renamed = SOUND.replace('msgstr[0] "{n} αιώρηση"', 'msgstr[0] "{ν} αιώρηση"')
        self.assertIn("placeholders", " ".join(self.faults(renamed)))
        lost = SOUND.replace('msgstr[1] "{n} αιωρήσεις"', 'msgstr[1] "αιωρήσεις"')
        self.assertIn("placeholders [] in \"αιωρήσεις\"", " ".join(self.faults(lost)))

    def test_an_unused_message_and_a_stale_template_fail(self):
        unused = SOUND + '\nmsgid "Old text"\nmsgstr "Παλιό κείμενο"\n'
        self.assertIn('"Old text" is not used by the code', " ".join(self.faults(unused)))
        stale = TEMPLATE.replace('msgid "Cancel"\nmsgstr ""\n\n', "")
        self.assertIn("is not what the code marks", " ".join(self.faults(SOUND, template=stale)))


if __name__ == "__main__":
    unittest.main(verbosity=2)
