#!/usr/bin/python3
"""The browser edition's download, as a teacher would use it: the archive is
checked against its .sha256 and against build/web, unpacked into a fresh
temporary folder, and its index.html opened from there in headless Chromium.
The page's About shows the version the desktop program prints.

Environment: ORVALDE_ARCHIVE (the .zip), ORVALDE_VERSION (what `orvalde
--version` prints after "orvalde "), ORVALDE_WEB (the folder it was packed
from)."""

import hashlib
import os
import pathlib
import sys
import tempfile
import unittest
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from browser import Browser  # noqa: E402
from test_page import wait_for  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
VERSION = os.environ["ORVALDE_VERSION"]
ARCHIVE = pathlib.Path(os.environ.get("ORVALDE_ARCHIVE", ROOT / ("build/orvalde-web-%s.zip" % VERSION)))
WEB = pathlib.Path(os.environ.get("ORVALDE_WEB", ROOT / "build/web"))
TOP = "orvalde-web-%s" % VERSION


class ArchiveTest(unittest.TestCase):
    def test_archive_holds_the_built_page_the_licence_and_the_notices(self):
        digest = hashlib.sha256(ARCHIVE.read_bytes()).hexdigest()
        self.assertEqual(pathlib.Path(str(ARCHIVE) + ".sha256").read_text(), "%s  %s\n" % (digest, ARCHIVE.name))
        expected = {p.name: p.read_bytes() for p in WEB.iterdir() if p.is_file()}
        for name in ("LICENSE", "THIRD-PARTY.md"):
            expected[name] = (ROOT / name).read_bytes()
        with zipfile.ZipFile(ARCHIVE) as z:
            files = {i.filename: z.read(i) for i in z.infolist() if not i.is_dir()}
        self.assertEqual(sorted(files), sorted(TOP + "/" + name for name in expected))
        for name, data in expected.items():
            self.assertEqual(files[TOP + "/" + name], data, name + " differs from the built one")

    def test_unpacked_page_runs_and_its_about_shows_the_version(self):
        with tempfile.TemporaryDirectory(prefix="orvalde-archive-") as folder:
            with zipfile.ZipFile(ARCHIVE) as z:
                z.extractall(folder)
            browser = Browser(1280, 800)
            try:
                browser.open((pathlib.Path(folder) / TOP / "index.html").as_uri())
                wait_for(lambda: browser.script("return !!window.orvalde"), what="the program to start")
                browser.script("document.getElementById('command1').click()")
                wait_for(lambda: browser.script("return window.orvalde.counters().cycloid") > 0,
                         what="the cycloidal pendulum to run")

                browser.script("window.orvalde.showAbout()")
                self.assertTrue(browser.script("return document.getElementById('about').open"))
                self.assertEqual(browser.script("return document.getElementById('about-title').textContent"),
                                 "Orvalde " + VERSION)
                text = browser.script("return document.getElementById('about').innerText")
                self.assertIn("Copyright (c) 2026 The Orvalde developers", text)
                self.assertIn("Released under the MIT licence.", text)
                self.assertIn("Bitstream Vera is a trademark of Bitstream, Inc.", text)
                self.assertNotIn("```", text)

                noisy = [e for e in browser.logs() if e["level"] in ("WARNING", "SEVERE")]
                self.assertEqual(noisy, [], "console errors or warnings")
            finally:
                browser.close()


if __name__ == "__main__":
    unittest.main(verbosity=2)
