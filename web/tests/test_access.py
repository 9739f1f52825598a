#!/usr/bin/python3
"""The page from the keyboard alone and for assistive technology, in headless
Chromium: the scroll bar as a slider, the context menu, keys by the character
they type, the pixel ratio followed, and axe-core finding nothing serious."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

import png  # noqa: E402
from test_page import ROOT, PageTest, wait_for  # noqa: E402

AXE = ROOT / "web/node_modules/axe-core/axe.min.js"


class Access(PageTest):
    def keys(self, *keys):
        ActionChains(self.browser.driver).send_keys(*keys).perform()

    def shift(self, key):
        ActionChains(self.browser.driver).key_down(Keys.SHIFT).send_keys(key).key_up(Keys.SHIFT).perform()

    def active(self, script):
        return self.browser.script("const e = document.activeElement; return " + script)

    def test_the_scroll_bar_is_a_slider_moved_by_keys_as_by_its_arrows(self):
        bar = self.browser.driver.find_element(By.ID, "xthesi")
        self.assertEqual(bar.get_attribute("role"), "slider")
        self.assertEqual((bar.get_attribute("aria-valuemin"), bar.get_attribute("aria-valuemax")), ("-120", "0"))
        self.bar_part("right").click()
        by_mouse = self.canvas()
        self.load()
        bar = self.browser.driver.find_element(By.ID, "xthesi")
        for _ in range(10):
            self.keys(Keys.TAB)  # past the nine buttons
        self.assertEqual(self.active("e.id"), "xthesi")
        self.keys(Keys.ARROW_RIGHT)
        self.assertEqual(bar.get_attribute("aria-valuenow"), "-119")
        self.assertEqual(png.differences(by_mouse, self.canvas()), [], "the change redraws as a click does")
        self.assertEqual(self.counters()["cycloid"], 0, "the focused bar took the arrow, not STEP")
        self.assertRegex(bar.get_attribute("aria-valuetext"), r"^\d+\.\d m above the lowest point$")
        self.keys(Keys.PAGE_UP)
        self.assertEqual(bar.get_attribute("aria-valuenow"), "-109")
        self.keys(Keys.END)
        self.assertEqual(bar.get_attribute("aria-valuenow"), "0")
        self.keys(Keys.HOME)
        self.assertEqual(bar.get_attribute("aria-valuenow"), "-120")

    def test_the_context_menu_from_the_keyboard(self):
        self.click(1)
        self.browser.script("document.activeElement.blur()")
        self.shift(Keys.F10)
        menu = self.browser.driver.find_element(By.ID, "context-menu")
        self.assertTrue(menu.is_displayed())
        self.assertEqual(self.active("e.getAttribute('role')"), "menuitem")
        self.assertEqual(self.active("e === document.querySelector('#context-menu [role=menuitem]')"), True)
        self.keys(Keys.ARROW_DOWN)
        self.assertIn("Pause", self.active("e.textContent"))
        self.keys(Keys.SPACE)  # Space chooses the focused item
        wait_for(lambda: not menu.is_displayed(), what="the menu to close")
        self.assertTrue(self.browser.script("return window.orvalde.paused()"))

        self.shift(Keys.F10)
        # The last pace, counted up from the menu's end past the groups below it.
        above = self.browser.script(
            "const items = [...document.querySelectorAll('#context-menu [role^=menuitem]')];"
            "return items.length - 1 - items.findIndex((e) => e.textContent.includes('24\u00d7'))")
        self.keys(Keys.END, *[Keys.ARROW_UP] * above, Keys.ENTER)
        self.assertEqual(self.browser.script("return window.orvalde.pace()"), "24\u00d7")
        self.shift(Keys.F10)
        self.keys(Keys.ESCAPE)
        self.assertFalse(menu.is_displayed())
        self.assertEqual(self.browser.script("return window.orvalde.pace()"), "24\u00d7")

    def test_letter_keys_follow_the_character_not_the_key_position(self):
        # The key labelled M on a French keyboard sends code "Semicolon".
        self.browser.script("window.dispatchEvent(new KeyboardEvent('keydown', {key: 'm', code: 'Semicolon'}))")
        self.assertTrue(self.browser.script("return window.orvalde.panelVisible()"))
        # And the US key M typing something else does nothing.
        self.browser.script("window.dispatchEvent(new KeyboardEvent('keydown', {key: ',', code: 'KeyM'}))")
        self.assertTrue(self.browser.script("return window.orvalde.panelVisible()"))

    def test_a_pixel_ratio_change_keeps_one_canvas_pixel_per_device_pixel(self):
        d = self.browser.driver
        d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                          {"width": 1600, "height": 900, "deviceScaleFactor": 2, "mobile": False})
        try:
            fit = ("const c = document.getElementById('drawing');"
                   "return [devicePixelRatio, c.width, c.height, parseFloat(c.style.width), parseFloat(c.style.height)]")
            ratio, width, height, css_width, css_height = wait_for(
                lambda: (lambda v: v if v[0] == 2 and v[1] == 2 * v[3] else None)(self.browser.script(fit)),
                what="the canvas at the new ratio")
            self.assertEqual((width, height), (2 * css_width, 2 * css_height))
            self.click(1)
            wait_for(lambda: self.counters()["cycloid"] >= 3, what="ticks at the new ratio")
        finally:
            d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_the_drawing_is_named_and_described(self):
        b = self.browser
        self.assertTrue(b.script("return document.getElementById('drawing').getAttribute('aria-label')"))
        self.click(1)
        self.browser.script("document.activeElement.blur()")
        wait_for(lambda: "swinging" in b.script("return document.getElementById('drawing-description').textContent"),
                 what="the description of the swinging bob")

    def axe_violations(self):
        self.browser.script(AXE.read_text())
        result = self.browser.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "axe.run(document, {resultTypes: ['violations'], preload: false}).then((r) => done(r.violations.map("
            "(v) => ({id: v.id, impact: v.impact, nodes: v.nodes.map((n) => n.target.join(' '))}))),"
            "(e) => done([{id: 'axe failed', impact: 'critical', nodes: [String(e)]}]));")
        return [v for v in result if v["impact"] in ("serious", "critical")]

    def test_axe_finds_nothing_serious_with_the_panel_hidden_or_shown(self):
        if not AXE.exists():
            if os.environ.get("ORVALDE_REQUIRE_AXE"):
                self.fail("axe-core is missing: scripts/install-npm.sh")
            self.skipTest("axe-core is not installed: scripts/install-npm.sh")
        self.assertEqual(self.axe_violations(), [])
        self.click(1)
        self.keys("m")
        wait_for(lambda: self.browser.script("return window.orvalde.panelVisible()"), what="the panel")
        self.assertEqual(self.axe_violations(), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
