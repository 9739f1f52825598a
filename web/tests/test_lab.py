#!/usr/bin/python3
"""The laboratory page in headless Chromium, through real drags, clicks and
key presses: heights set on the paths, the race released, the arrival table
read against the theory; the set-up in the URL, bad values included; the
folder served over HTTP as well as opened from disk. Every test also requires
a quiet console (see test_page.PageTest)."""

import functools
import http.server
import math
import os
import sys
import threading
import unittest
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402
from selenium.webdriver.support.ui import Select  # noqa: E402

from test_page import WEB, PageTest, wait_for  # noqa: E402

SETUP = "g=1.62&length=80&damping=0&heights=5,10,20,40"


class LabTest(PageTest):
    def load(self, page="lab.html?" + SETUP):
        self.browser.open((WEB / "lab.html").as_uri() + page[len("lab.html"):])
        wait_for(lambda: self.browser.script("return !!window.orvaldeLab"), what="the laboratory to start")

    def state(self):
        return self.browser.script("return window.orvaldeLab.state()")

    def bob_pixel(self, track, bob):
        """Where bob (from 1) is drawn: its number's text sits on its disc."""
        scene = self.browser.script("return window.orvaldeLab.scene()")
        half = 0 if track == "cycloid" else 1
        width = scene["width"] / 2
        for x, y, text, *_ in scene["texts"]:
            if text == str(bob) and half * width <= x < (half + 1) * width and y < scene["height"] * 0.6:
                return x, y
        raise AssertionError("bob %d not drawn on the %s" % (bob, track))

    def path_end(self, track):
        """The top of the path on the release side, in canvas pixels."""
        scene = self.browser.script("return window.orvaldeLab.scene()")
        paths = [points for _, width, points in scene["lines"] if width > 1.5 and len(points) > 100]
        points = paths[0 if track == "cycloid" else 1]
        return points[0], points[1]

    def drag(self, start, end):
        canvas = self.browser.driver.find_element(By.ID, "lab-canvas")
        size = canvas.size

        def offset(p):
            return int(p[0] - size["width"] / 2), int(p[1] - size["height"] / 2)

        ActionChains(self.browser.driver).move_to_element_with_offset(canvas, *offset(start)).click_and_hold() \
            .move_to_element_with_offset(canvas, *offset(((start[0] + end[0]) / 2, (start[1] + end[1]) / 2))) \
            .move_to_element_with_offset(canvas, *offset(end)).release().perform()

    def press(self, *keys):
        ActionChains(self.browser.driver).send_keys(*keys).perform()

    def table(self):
        return self.browser.script(
            "return [...document.querySelectorAll('#arrivals tr')].map((r) => [...r.cells].map((c) => c.textContent))")


class Race(LabTest):
    def test_heights_set_by_dragging_and_keys_race_as_the_theory_says(self):
        self.assertEqual(self.state()["query"], SETUP)
        # Drag bob 1 on the cycloid up to the cusp, then pick bob 2 on the circle and raise it with the keys.
        top = self.path_end("cycloid")
        self.drag(self.bob_pixel("cycloid", 1), (top[0] - 3, top[1] - 20))  # past the cusp: held at it
        wait_for(lambda: self.state()["rows"][0][2] == "40", what="bob 1 at the cusp")
        self.drag(self.bob_pixel("circle", 2), self.bob_pixel("circle", 2))
        self.press(Keys.ARROW_UP, Keys.ARROW_UP, Keys.ARROW_RIGHT, Keys.ARROW_DOWN)
        self.assertEqual([row[2] for row in self.state()["rows"][:4]], ["40", "12", "19", "40"])

        self.browser.driver.find_element(By.ID, "release").click()
        self.press("4")  # 24x: the race is over in well under a second
        wait_for(lambda: all(row[3] for row in self.state()["rows"]), what="every bob to arrive")
        self.wait_frames(2)
        rows = self.table()
        self.assertEqual(rows[0], ["track", "bob", "height", "arrival", "theory"])
        self.assertEqual(len(rows), 9)
        tautochrone = math.pi / 2 * math.sqrt(80 / 1.62)
        for track, bob, height, arrival, theory in rows[1:]:
            if track == "cycloid":
                self.assertAlmostEqual(float(arrival), tautochrone, delta=2e-6)
            self.assertAlmostEqual(float(arrival), float(theory), delta=2e-6, msg=bob)
        # On the circle the higher bob arrives later: heights 40, 12, 19, 40.
        circle = [float(r[3]) for r in rows[5:]]
        self.assertLess(circle[1], circle[2])
        self.assertLess(circle[2], circle[0])
        self.assertEqual(circle[0], circle[3])
        spread = self.browser.driver.find_element(By.ID, "spread").text
        self.assertIn("cycloid: all four within", spread)
        self.assertIn("s between first and last", spread)

        self.browser.driver.find_element(By.ID, "copy-link").click()
        link = self.browser.driver.find_element(By.ID, "link").get_property("value")
        self.assertTrue(link.startswith((WEB / "lab.html").as_uri() + "?"), link)
        self.assertEqual(urllib.parse.urlparse(link).query, "g=1.62&length=80&damping=0&heights=40,12,19,40")

    def test_space_releases_pauses_and_s_steps(self):
        canvas = self.browser.driver.find_element(By.ID, "lab-canvas")
        canvas.click()
        self.press(Keys.SPACE)
        wait_for(lambda: self.state()["released"], what="the release")
        self.press(Keys.SPACE)
        self.assertTrue(self.state()["paused"])
        self.press("r")
        self.assertFalse(self.state()["released"])
        self.press("s")
        self.assertTrue(self.state()["paused"])


class Layers(LabTest):
    def same_as_drawn_anew(self, what):
        self.wait_frames(2)
        difference = self.browser.script("return window.orvaldeLab.differenceFromRedraw()")
        self.assertEqual(difference["pixels"], 0, "%s: %s" % (what, difference))

    def test_the_kept_still_layer_shows_what_drawing_everything_shows(self):
        self.same_as_drawn_anew("at the start")
        self.browser.driver.find_element(By.ID, "release").click()
        self.press("4")
        wait_for(lambda: self.state()["rows"][0][3], what="a bob to arrive")
        self.same_as_drawn_anew("after an arrival")
        # A new length: the caption, the paths and the plots' scales are the still layer's.
        self.browser.script("const l = document.getElementById('length'); l.value = '40';"
                            "l.dispatchEvent(new Event('change'))")
        self.assertIn("L = 40 m, g = 1.62 m/s²", [t[2] for t in self.browser.script(
            "return window.orvaldeLab.scene().texts")])
        self.same_as_drawn_anew("a new length")

    def test_planet_xs_link_opens_the_same_hidden_gravity(self):
        Select(self.browser.driver.find_element(By.ID, "gravity")).select_by_value("x")
        self.assertTrue(self.state()["gravityHidden"])
        self.browser.driver.find_element(By.ID, "copy-link").click()
        query = urllib.parse.urlparse(self.browser.driver.find_element(By.ID, "link").get_property("value")).query
        self.assertRegex(query, r"^planet=x&seed=\d+&length=80&damping=0&heights=5,10,20,40$")
        self.browser.driver.find_element(By.ID, "reveal").click()
        g = self.state()["g"]

        self.load("lab.html?" + query)
        self.assertTrue(self.state()["gravityHidden"])
        self.assertIsNone(self.state()["g"])
        self.assertNotIn(str(g), self.browser.driver.find_element(By.ID, "gravity-value").text)
        self.browser.driver.find_element(By.ID, "reveal").click()
        self.assertEqual(self.state()["g"], g)


class Setup(LabTest):
    def test_a_bad_value_in_the_link_is_shown_and_replaced_by_its_default(self):
        self.load("lab.html?g=abc&length=10&damping=0&heights=5,9")
        message = self.browser.driver.find_element(By.ID, "lab-message")
        self.assertTrue(message.is_displayed())
        self.assertIn("g", message.text)
        self.assertIn("heights", message.text)
        state = self.state()
        self.assertEqual(state["g"], 9.81)
        self.assertEqual(state["length"], 10)
        self.assertEqual(len(state["rows"]), 12)  # six even heights a track

    def test_the_pages_link_to_each_other(self):
        self.browser.driver.find_element(By.ID, "to-apparatus").click()
        wait_for(lambda: self.browser.script("return !!window.orvalde"), what="the pendulum's page")
        self.browser.driver.find_element(By.ID, "to-laboratory").click()
        wait_for(lambda: self.browser.script("return !!window.orvaldeLab"), what="the laboratory again")

    def test_it_works_from_a_static_server(self):
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

        handler = functools.partial(Quiet, directory=str(WEB))
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        try:
            self.browser.open("http://127.0.0.1:%d/lab.html?%s" % (server.server_address[1], SETUP))
            wait_for(lambda: self.browser.script("return !!window.orvaldeLab"), what="the laboratory over HTTP")
            self.assertEqual(self.state()["query"], SETUP)
        finally:
            server.shutdown()
            server.server_close()


if __name__ == "__main__":
    unittest.main(verbosity=2)
