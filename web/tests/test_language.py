#!/usr/bin/python3
"""The page in Greek, in headless Chromium: chosen from ?lang= or the
browser's languages, switched at run time without a reload, and a sweep of
every visible text, title and aria label that fails on English left outside
the captions. Every test also requires a quiet console."""

import os
import re
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

from test_page import CAPTIONS, WEB, PageTest, wait_for  # noqa: E402

# Places the sweep leaves out while their texts await a translation (CSS
# selector, and the attribute or None for all text); none do.
LESSON_TEXTS_AWAITING_TRANSLATION = {}
# Legal texts stay in English whatever the language: in About, the licence
# with its name and copyright line, the third-party notices and the home
# page's address. The sweep lets exactly these through.
LEGAL_TEXTS_KEPT_IN_ENGLISH = {"about, as written": ("#about .as-written", None)}
# Names, not English: the program's and the web's.
PROPER_NAMES = {"ORVALDE", "Orvalde", "WebAssembly", "JavaScript"}
# Units stay as they are in every language (m, s and J are single letters).
UNITS = {"kg"}

# Every text the page shows, with where it is: text nodes outside hidden
# parts, and the attributes a user or a screen reader meets.
COLLECT_TEXTS = """
const skipped = arguments[0];
const out = [];
const hidden = (e) => e.closest('[hidden], noscript, script, style, dialog:not([open])');
const skip = (e, attribute) => skipped.some(([selector, a]) => (a === null || a === attribute) && e.closest(selector));
const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
for (let n = walker.nextNode(); n; n = walker.nextNode()) {
  const e = n.parentElement;
  if (n.textContent.trim() && !hidden(e) && !skip(e, null)) out.push([e.id || e.tagName, n.textContent]);
}
for (const e of document.body.querySelectorAll('[title], [aria-label], [alt]')) {
  if (hidden(e)) continue;
  for (const a of ['title', 'aria-label', 'alt']) {
    if (e.hasAttribute(a) && !skip(e, a)) out.push([(e.id || e.tagName) + ' ' + a, e.getAttribute(a)]);
  }
}
return out;
"""


class LanguageTest(PageTest):
    def load_in(self, query):
        self.browser.open((WEB / "index.html").as_uri() + query)
        wait_for(lambda: self.browser.script("return !!window.orvalde"), what="the program to start")

    def run_and_open_panel(self):
        self.click(1)
        ActionChains(self.browser.driver).send_keys("4").perform()  # four steps a frame
        wait_for(lambda: self.counters()["cycloid"] > 400, timeout=30, what="some periods")
        ActionChains(self.browser.driver).send_keys("m").perform()
        wait_for(lambda: "t = " in self.text("readout"), what="the readout")

    def text(self, element_id):
        return self.browser.script("return document.getElementById(arguments[0]).textContent", element_id)

    def english_words(self, skipped):
        allowed = PROPER_NAMES | UNITS
        for caption in CAPTIONS.values():
            allowed.update(caption.split())
        texts = self.browser.script(COLLECT_TEXTS, list(skipped.values()))
        found = []
        for where, text in texts:
            # The licence's name sits in a translated sentence.
            for word in re.findall(r"[A-Za-z]{2,}", text.replace("MIT", "")):
                if word not in allowed:
                    found.append("%s in %s: %s" % (word, where, text))
        return texts, found


class Greek(LanguageTest):
    def test_lang_in_the_address_gives_greek_everywhere_but_the_captions(self):
        self.load_in("?lang=el")
        b = self.browser
        self.assertEqual(b.script("return document.documentElement.lang"), "el")
        self.assertEqual(b.script("return window.orvalde.language()"), "el")
        for number, caption in CAPTIONS.items():
            self.assertEqual(self.button(number).get_property("textContent"), caption)
        self.run_and_open_panel()
        readout = self.text("readout")
        self.assertRegex(readout, r"^κυκλοειδές: t = \d+,\d s, \d+ διελεύσεις από το κατώτατο σημείο, περίοδος 17,77\d\d s")
        ticks = b.script("return [...document.querySelectorAll('#period-plot text')].map((t) => t.textContent)")
        self.assertIn("Περίοδος συναρτήσει του αρχικού ύψους", ticks)
        self.assertTrue(any(re.fullmatch(r"\d+,\d+", t) for t in ticks), ticks)

        # Everything a pupil sees, hears or hovers, the help and the menu open too.
        ActionChains(b.driver).send_keys(Keys.F1).perform()
        ActionChains(b.driver).context_click(b.driver.find_element(By.ID, "drawing")).perform()
        b.script("window.orvalde.showAbout()")
        texts, english = self.english_words({**LESSON_TEXTS_AWAITING_TRANSLATION, **LEGAL_TEXTS_KEPT_IN_ENGLISH})
        self.assertGreater(len(texts), 20, "the sweep saw the page")
        self.assertEqual(english, [])

    def test_the_browsers_languages_choose_unless_the_address_does(self):
        d = self.browser.driver
        agent = self.browser.script("return navigator.userAgent")
        d.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": "de-DE,el-GR,en"})
        try:
            self.load_in("")
            self.assertEqual(self.browser.script("return navigator.languages[1]"), "el-GR")
            self.assertEqual(self.browser.script("return document.documentElement.lang"), "el")
            self.load_in("?lang=en")
            self.assertEqual(self.browser.script("return document.documentElement.lang"), "en")
        finally:
            d.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": "en-US"})

    def test_without_webassembly_the_message_is_greek(self):
        d = self.browser.driver
        script = d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": "delete window.WebAssembly;"})
        try:
            d.get((WEB / "index.html").as_uri() + "?lang=el")
            message = wait_for(lambda: d.find_element(By.ID, "failure").is_displayed() and
                               d.find_element(By.ID, "failure").text, what="the failure message")
            self.assertTrue(message.startswith("Το Orvalde χρειάζεται πρόγραμμα περιήγησης"), message)
        finally:
            d.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": script["identifier"]})


class Laboratory(LanguageTest):
    SETUP = "g=1.62&length=80&damping=0&heights=5,10,20,40"

    def load_lab(self, query):
        self.browser.open((WEB / "lab.html").as_uri() + query)
        wait_for(lambda: self.browser.script("return !!window.orvaldeLab"), what="the laboratory to start")

    def test_the_laboratory_in_greek_with_commas_and_the_link_in_c(self):
        b = self.browser
        self.load_lab("?" + self.SETUP + "&lang=el")
        self.assertEqual(b.script("return document.documentElement.lang"), "el")
        self.assertEqual(b.script("return document.title"), "ORVALDE — Εργαστήριο")
        self.assertEqual(self.text("release"), "Απελευθέρωση")
        self.assertEqual(b.script("return [...document.querySelectorAll('#arrivals th')].map((t) => t.textContent)"),
                         ["τροχιά", "σφαιρίδιο", "ύψος", "άφιξη", "θεωρία"])
        self.assertIn("Σελήνη (1,62 m/s²)", b.script(
            "return [...document.getElementById('gravity').options].map((o) => o.textContent)"))
        self.assertEqual(self.text("gravity-value"), "g = 1,62 m/s²")
        self.assertEqual(self.text("spread"), "Ορίστε τα ύψη και πατήστε «Απελευθέρωση».")

        b.driver.find_element(By.ID, "release").click()
        ActionChains(b.driver).send_keys("4").perform()  # 24×
        wait_for(lambda: all(row[3] for row in b.script("return window.orvaldeLab.state()")["rows"]),
                 timeout=30, what="every bob to arrive")
        rows = b.script("return [...document.querySelectorAll('#arrivals tbody tr')]"
                        ".map((r) => [...r.cells].map((c) => c.textContent))")
        self.assertEqual([r[0] for r in rows], ["κυκλοειδής"] * 4 + ["κύκλος"] * 4)
        for row in rows:
            self.assertRegex(row[3], r"^\d+,\d{6}$")
        self.assertRegex(self.text("spread"), r"^κυκλοειδής: και τα τέσσερα μέσα σε 0,0+1 s\nκύκλος: \d,\d+ s ανάμεσα")
        scene = b.script("return window.orvaldeLab.scene().texts.map((t) => t[2])")
        self.assertIn("Ενέργεια σφαιριδίου 1 (κυκλοειδής)", scene)
        self.assertIn("L = 80 m, g = 1,62 m/s²", scene)

        # Everything a pupil sees, hears or hovers; the measurements on the page too.
        texts, english = self.english_words(LEGAL_TEXTS_KEPT_IN_ENGLISH)
        self.assertGreater(len(texts), 40, "the sweep saw the laboratory")
        self.assertEqual(english, [])
        self.assertEqual(b.script("return document.getElementById('link').getAttribute('aria-label')"),
                         "Σύνδεσμος για αυτή τη διάταξη")

        # The link and the way back keep the language; the set-up stays in C's numbers.
        b.driver.find_element(By.ID, "copy-link").click()
        link = b.script("return document.getElementById('link').value")
        self.assertIn("?" + self.SETUP + "&lang=el", link)
        self.assertIn("lang=el", b.script("return document.getElementById('to-apparatus').href"))
        b.driver.find_element(By.ID, "to-apparatus").click()
        wait_for(lambda: b.script("return !!window.orvalde"), what="the pendulum's page")
        self.assertEqual(b.script("return document.documentElement.lang"), "el")
        self.assertEqual(self.text("to-laboratory"), "Εργαστήριο: ο αγώνας")
        self.assertIn("lang=el", b.script("return document.getElementById('to-laboratory').href"))
        b.driver.find_element(By.ID, "to-laboratory").click()
        wait_for(lambda: b.script("return !!window.orvaldeLab"), what="the laboratory again")
        self.assertEqual(self.text("release"), "Απελευθέρωση")

    def test_the_laboratory_follows_the_browser_and_a_bad_value_is_told_in_greek(self):
        d = self.browser.driver
        agent = self.browser.script("return navigator.userAgent")
        d.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": "el-GR,en"})
        try:
            self.load_lab("?g=abc&heights=5")
            self.assertEqual(self.browser.script("return document.documentElement.lang"), "el")
            self.assertEqual(self.text("lab-message"),
                             "Η τιμή g του συνδέσμου δεν είναι χρήσιμη ('abc')· χρησιμοποιείται η προεπιλεγμένη.")
            # Without ?lang= the copied link leaves the language to whoever opens it.
            d.find_element(By.ID, "copy-link").click()
            self.assertNotIn("lang=", self.browser.script("return document.getElementById('link').value"))
            self.load_lab("?lang=en")
            self.assertEqual(self.text("release"), "Release")
            self.assertEqual(self.text("gravity-value"), "g = 9.81 m/s²")
            # A switch re-translates the controls, the table and the scene at once.
            self.assertTrue(self.browser.script("return OrvaldePage.Language.switchTo('el')"))
            self.assertEqual(self.text("release"), "Απελευθέρωση")
            self.assertEqual(self.text("gravity-value"), "g = 9,81 m/s²")
            self.assertEqual(self.browser.script("return document.querySelector('#arrivals th').textContent"), "τροχιά")
            self.assertIn("Κύκλος ακτίνας L",
                          self.browser.script("return window.orvaldeLab.scene().texts.map((t) => t[2])"))
        finally:
            d.execute_cdp_cmd("Network.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": "en-US"})


class Switching(LanguageTest):
    def test_switching_retranslates_at_once_and_keeps_the_choice_in_links(self):
        b = self.browser
        self.assertEqual(b.script("return document.documentElement.lang"), "en")
        self.run_and_open_panel()
        b.script("const a = document.createElement('a'); a.id = 'link'; a.href = 'bench.html';"
                 "document.body.appendChild(a);")
        self.assertTrue(self.text("readout").startswith("cycloidal: t = "))

        self.assertTrue(b.script("return window.orvalde.setLanguage('el')"))
        # No reload and no frame in between: the panel, the program and the page.
        self.assertEqual(b.script("return document.documentElement.lang"), "el")
        self.assertTrue(self.text("readout").startswith("κυκλοειδές: t = "), self.text("readout"))
        self.assertEqual(self.text("sweep"), "Μέτρηση από όλα τα αρχικά ύψη")
        self.assertEqual(b.script("return document.getElementById('measurements').getAttribute('aria-label')"),
                         "Μετρήσεις")
        self.assertEqual(self.text("message-ok"), "Εντάξει")
        self.assertIn("lang=el", b.script("return document.getElementById('link').href"))
        self.assertIn("lang=el", b.script("return location.search"))

        # The key, the status line and About, also with its dialog open.
        self.assertEqual(b.script("return document.getElementById('legend').getAttribute('aria-label')"),
                         "Υπόμνημα του σχήματος")
        self.assertIn("συνισταμένη δύναμη ×3", self.text("legend"))
        self.assertRegex(self.text("status"), r"^κυκλοειδές και ακριβές κυκλικό: t = \d+,\d s")
        self.assertIn("L = 80 m, g = 10 m/s²", self.text("status"))
        b.script("window.orvalde.showAbout()")
        self.assertIn("Διατίθεται με την άδεια MIT.", self.text("about"))
        self.assertTrue(b.script("return window.orvalde.setLanguage('en')"))
        self.assertIn("Released under the MIT licence.", self.text("about"))
        self.assertIn("net force ×3", self.text("legend"))
        self.assertTrue(self.text("status").startswith("cycloidal and exact circular: t = "), self.text("status"))
        b.script("document.getElementById('about').close()")
        self.assertTrue(b.script("return window.orvalde.setLanguage('el')"))

        # The lesson's texts: tooltips, the help, the menu, the slider and the
        # drawing's name, re-fetched from the program; an open menu too.
        attribute = "return document.querySelector(arguments[0]).getAttribute(arguments[1])"
        ActionChains(b.driver).context_click(b.driver.find_element(By.ID, "drawing")).perform()
        self.assertIn("Βοήθεια", self.text("context-menu"))
        self.assertEqual(b.script(attribute, "#context-menu", "aria-label"), "Μενού")
        self.assertTrue(b.script(attribute, "#command1", "title").startswith("Αφήνει ελεύθερο"))
        self.assertEqual(self.text("help-title"), "ORVALDE — Βοήθεια")
        self.assertEqual(b.script(attribute, "#xthesi", "aria-label"), "Αρχική θέση")
        self.assertRegex(b.script(attribute, "#xthesi", "aria-valuetext"), r"^\d+,\d m πάνω από")
        self.assertEqual(b.script(attribute, "#drawing", "aria-label"), "Κυκλοειδές και κυκλικό εκκρεμές")
        self.assertTrue(b.script("return window.orvalde.setLanguage('en')"))
        self.assertIn("Help", self.text("context-menu"))
        self.assertEqual(self.text("help-title"), "ORVALDE — Help")
        self.assertTrue(b.script(attribute, "#command1", "title").startswith("Releases the cycloidal"))
        self.assertRegex(b.script(attribute, "#xthesi", "aria-valuetext"), r"^\d+\.\d m above")
        self.assertTrue(b.script("return window.orvalde.setLanguage('el')"))

        self.assertFalse(b.script("return window.orvalde.setLanguage('xx')"))
        self.assertTrue(b.script("return window.orvalde.setLanguage('en')"))
        self.assertTrue(self.text("readout").startswith("cycloidal: t = "))
        self.assertEqual(self.text("message-ok"), "OK")
        self.assertIn("lang=en", b.script("return document.getElementById('link').href"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
