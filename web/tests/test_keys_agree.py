#!/usr/bin/python3
"""The same key sequences through both editions give the same state: the
desktop window offscreen (build/dev/orvalde-keys) and the page in headless
Chromium with its animation frames run by hand, so that no tick happens
between keys. Keys go to whatever has the focus, as a user's do."""

import json
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

from browser import Browser  # noqa: E402
from test_page import HEIGHT, ROOT, WEB, WIDTH, wait_for  # noqa: E402

KEYS_TOOL = os.environ.get("ORVALDE_KEYS", str(ROOT / "build/dev/tests/orvalde-keys"))

# Frames run only when asked: "frame" runs one, 1/60 s after the last.
MANUAL_FRAMES = """
(() => {
  let queue = [], now = 1000;
  window.requestAnimationFrame = (f) => { queue.push(f); return queue.length; };
  window.orvaldeRunFrame = () => { now += 1000 / 60; const q = queue; queue = []; q.forEach((f) => f(now)); };
})();
"""

NAMED = {
    "Tab": Keys.TAB, "Space": Keys.SPACE, "Enter": Keys.ENTER, "ArrowLeft": Keys.ARROW_LEFT,
    "ArrowRight": Keys.ARROW_RIGHT, "PageUp": Keys.PAGE_UP, "PageDown": Keys.PAGE_DOWN, "Home": Keys.HOME,
    "End": Keys.END,
}

SEQUENCES = {
    # A focused button takes Space and Enter; S and the right arrow step.
    "buttons": "Tab Tab Tab Enter s ArrowRight frame frame Shift+Tab Tab Space s",
    # The focused scroll bar takes its keys; S still steps; 4 sets the pace.
    "scroll bar": "Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab ArrowRight ArrowRight PageUp ArrowLeft s Home End "
                  "PageDown 4",
    # Space pauses where no button has the focus; a step while paused.
    "pause": "Tab Tab Tab Enter Tab Tab Tab Tab Tab Tab Tab Space frame frame s Space Space frame",
}


def desktop(keys):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    run = subprocess.run([KEYS_TOOL] + keys.split(), env=env, capture_output=True, text=True, check=True)
    return json.loads(run.stdout)


class KeysAgree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not os.access(KEYS_TOOL, os.X_OK):
            raise unittest.SkipTest("no desktop orvalde-keys at " + KEYS_TOOL)
        cls.browser = Browser(WIDTH, HEIGHT)
        d = cls.browser.driver
        cls.script = d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": MANUAL_FRAMES})

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def page(self, keys):
        b = self.browser
        b.open((WEB / "index.html").as_uri())
        wait_for(lambda: b.script("return !!window.orvalde"), what="the program to start")
        for key in keys.split():
            if key == "frame":
                b.script("window.orvaldeRunFrame()")
                continue
            chain = ActionChains(b.driver)
            if key.startswith("Shift+"):
                chain.key_down(Keys.SHIFT).send_keys(NAMED[key[6:]]).key_up(Keys.SHIFT)
            else:
                chain.send_keys(NAMED.get(key, key))
            chain.perform()
        return b.script(
            "const c = window.orvalde.counters(), bar = document.getElementById('xthesi');"
            "return {cycloid: c.cycloid, circular: c.circular, bar: Number(bar.getAttribute('aria-valuenow')),"
            "paused: window.orvalde.paused(), pace: window.orvalde.pace()};")

    def test_each_sequence_gives_the_same_state(self):
        for name, keys in SEQUENCES.items():
            with self.subTest(name):
                expected = desktop(keys)
                self.assertEqual(self.page(keys), expected)
        # What the sequences are meant to reach, so that agreeing on nothing fails.
        self.assertEqual(desktop(SEQUENCES["buttons"])["cycloid"], 1)
        self.assertEqual(desktop(SEQUENCES["scroll bar"])["bar"], -10)
        self.assertTrue(desktop(SEQUENCES["pause"])["paused"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
