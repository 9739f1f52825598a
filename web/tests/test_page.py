#!/usr/bin/python3
"""The browser edition in headless Chromium, opened from disk at 1600x900,
clicked for real through chromedriver. Every test also requires a quiet
console: no error and no warning.

Environment: ORVALDE_WEB (the static folder), ORVALDE_SNAPSHOT (the desktop's
orvalde-snapshot, for the start picture), ORVALDE_SOAK_SECONDS (random use,
at least 60), ORVALDE_SEED."""

import os
import pathlib
import random
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.actions import interaction  # noqa: E402
from selenium.webdriver.common.actions.action_builder import ActionBuilder  # noqa: E402
from selenium.webdriver.common.actions.pointer_input import PointerInput  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402

import png  # noqa: E402
from browser import Browser  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
WEB = pathlib.Path(os.environ.get("ORVALDE_WEB", ROOT / "build/web"))
SNAPSHOT = os.environ.get("ORVALDE_SNAPSHOT", str(ROOT / "build/dev/orvalde-snapshot"))
WIDTH, HEIGHT = 1600, 900

CAPTIONS = {
    1: "TIME ON", 2: "TIME  OFF", 3: "NEA EXILIGMENH", 4: "KYKLIKO", 5: "time on KYKLIKO",
    6: "CONTINUE", 7: "STEP", 8: "TIMEOFF KYKLIKO", 9: "orvalde και κυκλικό μαζί",
}


def describe(regions):
    return ["%d pixels differ in x %d..%d, y %d..%d" % (n, left, right, top, bottom)
            for n, left, top, right, bottom in regions]


def wait_for(condition, timeout=10.0, what="condition"):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.02)
    raise AssertionError("timed out waiting for " + what)


class PageTest(unittest.TestCase):
    browser = None

    @classmethod
    def setUpClass(cls):
        cls.browser = Browser(WIDTH, HEIGHT)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def setUp(self):
        self.browser.logs()  # drop what earlier tests left
        self.load()

    def tearDown(self):
        noisy = [e for e in self.browser.logs() if e["level"] in ("WARNING", "SEVERE")]
        self.assertEqual(noisy, [], "console errors or warnings")

    def load(self, page="index.html"):
        self.browser.open((WEB / page).as_uri())
        wait_for(lambda: self.browser.script("return !!window.orvalde"), what="the program to start")

    # What the page shows and exposes.
    def counters(self):
        return self.browser.script("return window.orvalde.counters()")

    def button(self, number):
        return self.browser.driver.find_element(By.ID, "command%d" % number)

    def click(self, number):
        self.button(number).click()

    def canvas(self):
        return png.read(self.browser.canvas_png())

    def wait_frames(self, count=3):
        self.browser.driver.execute_async_script(
            "const done = arguments[arguments.length - 1]; let n = %d;"
            "(function f() { if (--n < 0) done(); else requestAnimationFrame(f); })();" % count)

    def bar_part(self, name):
        return self.browser.driver.find_element(By.CSS_SELECTOR, "#xthesi ." + name)


class StartUp(PageTest):
    def test_page_shows_the_program_as_on_the_desktop(self):
        b = self.browser
        self.assertEqual(b.script("return document.title"), "ORVALDE")
        self.assertEqual(b.script("return [innerWidth, innerHeight]"), [WIDTH, HEIGHT])
        for number, caption in CAPTIONS.items():
            element = self.button(number)
            self.assertEqual(element.get_property("textContent"), caption)
        # The two blanks stay visible: a pre-formatted caption is wider than a squeezed one.
        self.assertEqual(b.script("return getComputedStyle(document.getElementById('command2')).whiteSpace"), "pre")
        # Placed from the design's twips at 15 per pixel: "TIME  OFF" at 5520, -120.
        self.assertEqual(b.script("const r = document.getElementById('command2').getBoundingClientRect();"
                                  "return [r.left, r.top, r.width, r.height]"), [368, -8, 137, 49])
        self.assertEqual(b.script("const c = document.getElementById('drawing'); return [c.width, c.height]"),
                         [WIDTH, HEIGHT])
        self.assertEqual(self.counters(), {"cycloid": 0, "circular": 0})
        with self.assertRaises(Exception):
            b.script("'use strict'; window.orvalde.counters = null;")

    def test_start_picture_equals_the_desktop_one(self):
        if not os.access(SNAPSHOT, os.X_OK):
            self.skipTest("no desktop orvalde-snapshot at " + SNAPSHOT)
        with tempfile.TemporaryDirectory() as folder:
            out = os.path.join(folder, "start.png")
            env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
            run = subprocess.run([SNAPSHOT, out, "--size", "%dx%d" % (WIDTH, HEIGHT), "--drawing-only"],
                                 env=env, capture_output=True, text=True, check=False)
            self.assertEqual(run.returncode, 0, run.stderr)
            desktop = png.read(pathlib.Path(out).read_bytes())
        page = self.canvas()
        regions = png.differences(desktop, page)
        self.assertEqual(describe(regions), [], "the page's start picture differs from the desktop's")

    def test_missing_webassembly_gives_a_message(self):
        d = self.browser.driver
        script = d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": "delete window.WebAssembly;"})
        try:
            d.get((WEB / "index.html").as_uri())
            message = wait_for(lambda: d.find_element(By.ID, "failure").is_displayed() and
                               d.find_element(By.ID, "failure").text, what="the failure message")
            self.assertIn("WebAssembly", message)
        finally:
            d.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": script["identifier"]})


class WithoutJavaScript(unittest.TestCase):
    def test_the_page_says_what_it_needs(self):
        browser = Browser(800, 600, javascript=False)
        try:
            browser.open((WEB / "index.html").as_uri())
            text = browser.driver.find_element(By.TAG_NAME, "body").text
            self.assertIn("needs JavaScript", text)
        finally:
            browser.close()


class HighDensityScreen(unittest.TestCase):
    def test_the_canvas_has_a_pixel_per_device_pixel(self):
        browser = Browser(800, 600, scale=2)
        try:
            browser.open((WEB / "index.html").as_uri())
            wait_for(lambda: browser.script("return !!window.orvalde"), what="the program to start")
            self.assertEqual(browser.script("return devicePixelRatio"), 2)
            self.assertEqual(browser.script(
                "const c = document.getElementById('drawing'), r = c.getBoundingClientRect();"
                "return [c.width, c.height, r.width, r.height]"), [1600, 1200, 800, 600])
            # Controls stay in CSS pixels, over the same spot of the drawing.
            self.assertEqual(browser.script("return document.getElementById('command7').getBoundingClientRect().left"),
                             640)
            browser.driver.find_element(By.ID, "command1").click()
            wait_for(lambda: browser.script("return window.orvalde.counters().cycloid") >= 5, what="ticks")
            noisy = [e for e in browser.logs() if e["level"] in ("WARNING", "SEVERE")]
            self.assertEqual(noisy, [])
        finally:
            browser.close()


class Animation(PageTest):
    def test_time_on_animates(self):
        before = self.canvas()
        self.click(1)
        wait_for(lambda: self.counters()["cycloid"] >= 20, what="20 ticks")
        self.click(2)
        self.assertNotEqual(png.differences(before, self.canvas()), [])

    def test_step_advances_exactly_one_tick(self):
        self.click(1)
        wait_for(lambda: self.counters()["cycloid"] >= 3, what="ticks")
        self.click(2)
        stopped = self.counters()["cycloid"]
        picture = self.canvas()
        self.click(7)
        self.assertEqual(self.counters()["cycloid"], stopped + 1)
        self.wait_frames(10)
        self.assertEqual(self.counters()["cycloid"], stopped + 1)
        self.assertNotEqual(png.differences(picture, self.canvas()), [])

    def test_circular_pendulum_and_both_together_run(self):
        self.click(5)  # "time on KYKLIKO"
        wait_for(lambda: self.counters()["circular"] >= 10, what="circular ticks")
        self.assertEqual(self.counters()["cycloid"], 0)
        self.click(8)
        self.assertEqual(self.counters()["circular"], 0)
        self.click(1)
        self.click(5)
        self.click(9)  # both together
        wait_for(lambda: min(self.counters().values()) >= 10, what="both pendulums' ticks")
        self.click(2)
        self.click(8)
        stopped = self.counters()
        self.wait_frames(5)
        self.assertEqual(self.counters(), stopped)


class ScrollBar(PageTest):
    def test_arrow_click_redraws_the_start_scene(self):
        # The scene one step right of the start, from a fresh page...
        self.bar_part("right").click()
        expected = self.canvas()
        # ...and from a page that has been animating. The scene's first lines
        # are drawn with whatever pen the last figure left, so the scene is
        # drawn once more (left, right) before comparing.
        self.load()
        self.click(1)
        wait_for(lambda: self.counters()["cycloid"] >= 10, what="ticks")
        self.click(2)
        animated = self.canvas()
        self.bar_part("right").click()
        self.assertNotEqual(png.differences(animated, self.canvas()), [])
        self.bar_part("left").click()
        self.bar_part("right").click()
        self.assertEqual(describe(png.differences(expected, self.canvas())), [])

    def test_value_changes_on_release_of_a_drag_and_on_the_track(self):
        start = self.canvas()
        thumb = self.bar_part("thumb")
        actions = ActionChains(self.browser.driver)
        actions.click_and_hold(thumb).move_by_offset(120, 0).perform()
        self.wait_frames(3)
        self.assertEqual(png.differences(start, self.canvas()), [], "the drawing changed before the release")
        ActionChains(self.browser.driver).release().perform()
        moved = self.canvas()
        self.assertNotEqual(png.differences(start, moved), [])
        # A press on the track left of the thumb pages back.
        track = self.bar_part("track")
        ActionChains(self.browser.driver).move_to_element_with_offset(track, -track.size["width"] // 2 + 3, 0) \
            .click().perform()
        self.assertNotEqual(png.differences(moved, self.canvas()), [])

    def test_touch_taps_and_drags(self):
        d = self.browser.driver
        touch = PointerInput(interaction.POINTER_TOUCH, "finger")
        actions = ActionBuilder(d, mouse=touch)
        actions.pointer_action.move_to(self.button(1)).pointer_down().pointer_up()
        actions.perform()
        wait_for(lambda: self.counters()["cycloid"] >= 3, what="ticks after a tap")
        self.click(2)
        before = self.canvas()
        actions = ActionBuilder(d, mouse=touch)
        actions.pointer_action.move_to(self.bar_part("thumb")).pointer_down().move_by(80, 0).pointer_up()
        actions.perform()
        self.assertNotEqual(png.differences(before, self.canvas()), [])


class Resizing(PageTest):
    def test_resizing_keeps_the_drawing(self):
        d = self.browser.driver
        before = self.canvas()
        outer = d.get_window_size()
        d.set_window_size(outer["width"] - 600, outer["height"] - 300)
        wait_for(lambda: self.browser.script("return innerWidth") == WIDTH - 600, what="a smaller window")
        d.set_window_size(outer["width"] + 200, outer["height"] + 100)
        wait_for(lambda: self.browser.script("return innerWidth") == WIDTH + 200, what="a larger window")
        self.wait_frames(2)
        after = self.canvas()
        self.assertEqual((after.width, after.height), (WIDTH + 200, HEIGHT + 100))
        kept = png.Picture(WIDTH, HEIGHT, b"".join(
            after.rgb[3 * y * after.width:3 * (y * after.width + WIDTH)] for y in range(HEIGHT)))
        self.assertEqual(png.differences(before, kept), [])
        self.browser.fit_inner_size()


class RandomUse(PageTest):
    def test_seeded_random_clicks_leave_the_page_alive(self):
        seconds = max(60.0, float(os.environ.get("ORVALDE_SOAK_SECONDS", "60")))
        seed = int(os.environ.get("ORVALDE_SEED", "20261208"))
        rng = random.Random(seed)
        d = self.browser.driver
        targets = [self.button(n) for n in CAPTIONS] + [self.bar_part(p) for p in ("left", "right", "track")]
        thumb = self.bar_part("thumb")
        end = time.monotonic() + seconds
        actions = 0
        while time.monotonic() < end:
            if d.find_element(By.ID, "message").is_displayed():
                d.find_element(By.ID, "message-ok").click()
            choice = rng.random()
            try:
                if choice < 0.8:
                    rng.choice(targets).click()
                elif choice < 0.9:
                    x = thumb.location["x"] + thumb.size["width"] // 2
                    offset = rng.randint(-min(200, x - 1), 200)
                    ActionChains(d).drag_and_drop_by_offset(thumb, offset, 0).perform()
                else:
                    time.sleep(rng.random() * 0.3)  # let the timers run
            except Exception as error:  # a click the dialog took is fine; anything else is not
                if not d.find_element(By.ID, "message").is_displayed():
                    raise AssertionError("seed %d, action %d: %s" % (seed, actions, error))
            actions += 1
        if d.find_element(By.ID, "message").is_displayed():
            d.find_element(By.ID, "message-ok").click()
        # Still alive: it answers and animates.
        self.click(1)
        first = self.counters()["cycloid"]
        wait_for(lambda: self.counters()["cycloid"] > first + 5, what="ticks after random use (seed %d)" % seed)
        print("\n  random use: %d actions in %.0f s, seed %d" % (actions, seconds, seed), file=sys.stderr)


if __name__ == "__main__":
    unittest.main(verbosity=2)
