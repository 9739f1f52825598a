#!/usr/bin/python3
"""The lesson's controls in the browser edition, through real key presses and
clicks in headless Chromium: pause, step, pace, the measurements panel with
its plots and sweep, the help, the context menu and saving. Every test also
requires a quiet console (see test_page.PageTest)."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

from test_page import CAPTIONS, HEIGHT, WIDTH, PageTest, wait_for  # noqa: E402

CSV_HEADER = "pendulum,run,swing,time,period,theory"


class LessonTest(PageTest):
    def press(self, *keys):
        ActionChains(self.browser.driver).send_keys(*keys).perform()

    def view(self, name):
        return self.browser.script("return window.orvalde.%s()" % name)

    def cycloid(self):
        return self.counters()["cycloid"]

    def points(self, plot):
        return self.browser.script("return document.querySelectorAll('#%s .point').length" % plot)

    def menu_item(self, text):
        ActionChains(self.browser.driver).context_click(self.browser.driver.find_element(By.ID, "drawing")).perform()
        menu = self.browser.driver.find_element(By.ID, "context-menu")
        wait_for(menu.is_displayed, what="the context menu")
        for item in menu.find_elements(By.TAG_NAME, "button"):
            if item.find_element(By.TAG_NAME, "span").text.endswith(text):  # after the check mark
                item.click()
                return
        raise AssertionError("no menu item " + text)


class Keys_(LessonTest):
    def test_space_pauses_and_resumes_and_s_steps_one_tick(self):
        self.click(1)  # a click leaves "TIME ON" without the focus: Space pauses
        wait_for(lambda: self.cycloid() > 5, what="the pendulum to run")
        self.press(Keys.SPACE)
        self.assertTrue(self.view("paused"))
        stopped = self.cycloid()
        self.wait_frames(10)
        self.assertEqual(self.cycloid(), stopped)

        self.press(Keys.SPACE)
        self.assertFalse(self.view("paused"))
        wait_for(lambda: self.cycloid() > stopped + 5, what="the pendulum to resume")

        self.press("s")  # as "STEP": stops it and moves on by one tick
        stepped = self.cycloid()
        self.wait_frames(5)
        self.assertEqual(self.cycloid(), stepped)
        self.press("s")
        self.assertEqual(self.cycloid(), stepped + 1)
        self.press(Keys.ARROW_RIGHT)
        self.assertEqual(self.cycloid(), stepped + 2)
        self.wait_frames(5)
        self.assertEqual(self.cycloid(), stepped + 2)

    def test_digits_choose_the_pace_and_m_the_panel(self):
        self.assertEqual(self.view("pace"), "6\u00d7")
        for key, label in (("1", "\u00bc\u00d7"), ("2", "1\u00d7"), ("4", "24\u00d7"), ("3", "6\u00d7")):
            self.press(key)
            self.assertEqual(self.view("pace"), label)
        # At 24x a frame runs four ticks: the counter outruns the frames.
        self.press("4")
        self.click(1)
        self.wait_frames(2)
        before = self.cycloid()
        self.wait_frames(10)
        self.assertGreaterEqual(self.cycloid() - before, 30)

        panel = self.browser.driver.find_element(By.ID, "measurements")
        self.assertFalse(panel.is_displayed())
        self.press("m")
        self.assertTrue(panel.is_displayed())
        # Beside the nine buttons or below them, never over them.
        self.assertFalse(self.browser.script(
            "const p = document.getElementById('measurements').getBoundingClientRect();"
            "return [...document.querySelectorAll('#controls > button')].some((e) => {"
            "  const b = e.getBoundingClientRect();"
            "  return b.left < p.right && p.left < b.right && b.top < p.bottom && p.top < b.bottom; })"))
        self.press("m")
        self.assertFalse(panel.is_displayed())

    def test_f1_help_and_the_buttons_tooltips_explain_every_button(self):
        self.press(Keys.F1)
        help_dialog = self.browser.driver.find_element(By.ID, "help")
        self.assertTrue(help_dialog.is_displayed())
        text = help_dialog.text
        for number, caption in CAPTIONS.items():
            self.assertIn(caption.strip(), text)
            title = self.button(number).get_attribute("title")
            self.assertGreater(len(title), 20)
            self.assertIn(title, text)
            self.assertEqual(self.button(number).get_property("textContent"), caption)
        self.assertIn("Space: pause and resume", text)


class Panel(LessonTest):
    def test_a_run_puts_points_on_both_plots(self):
        self.press("4")
        self.click(1)
        self.press("m")
        # A few swings at 24x: the period plot gets the run's point once a
        # full period was measured, the displacement plot two curves.
        wait_for(lambda: self.points("period-plot") >= 1, timeout=20, what="a measured period on the plot")
        self.assertGreaterEqual(self.browser.script(
            "return document.querySelectorAll('#displacement-plot polyline').length"), 2)
        self.assertGreaterEqual(self.browser.script(
            "return document.querySelectorAll('#period-plot polyline').length"), 2)  # both theories
        readout = self.browser.driver.find_element(By.ID, "readout").text
        self.assertIn("cycloidal: t = ", readout)
        self.assertIn("theory 17.7715 s", readout)  # 2 pi sqrt(8)
        labels = self.browser.script("return [...document.querySelectorAll('#measurements svg text.label')]"
                                     ".map((t) => t.textContent)")
        self.assertTrue(all("(" in label for label in labels), labels)  # every axis with its unit

    def test_the_sweep_fills_the_plot_without_stopping_the_animation_and_can_be_cancelled(self):
        self.click(1)
        self.press("m")
        d = self.browser.driver
        d.find_element(By.ID, "sweep").click()
        self.assertTrue(self.view("sweeping"))
        before = self.cycloid()
        wait_for(lambda: not self.view("sweeping"), timeout=60, what="the sweep to finish")
        self.assertGreater(self.cycloid(), before)  # frames went on meanwhile
        self.assertEqual(d.find_element(By.ID, "sweep-progress").get_property("value"), 25)
        self.assertGreaterEqual(self.browser.script(
            "return document.querySelectorAll('#period-plot polygon.point').length"), 25)

        # Cancelled before its first slice ran: nothing measured, the
        # earlier points stay.
        self.browser.script("document.getElementById('sweep').click();"
                            "document.getElementById('sweep-cancel').click();")
        self.assertFalse(self.view("sweeping"))
        self.assertEqual(d.find_element(By.ID, "sweep-progress").get_property("value"), 0)
        self.wait_frames(3)
        self.assertGreaterEqual(self.browser.script(
            "return document.querySelectorAll('#period-plot polygon.point').length"), 25)
        self.assertTrue(d.find_element(By.ID, "sweep").is_enabled())
        # The table lists every start, rounded; the first is the highest release.
        rows = d.find_elements(By.CSS_SELECTOR, "#sweep-table tbody tr")
        self.assertEqual(len(rows), 25)
        self.assertEqual(rows[0].find_elements(By.TAG_NAME, "td")[0].text, "39.20")


def ltrb(rect):
    """[x, y, width, height] as [left, top, right, bottom]."""
    x, y, w, h = rect
    return [x, y, x + w, y + h]


def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def inside(a, b):
    return b[0] <= a[0] and b[1] <= a[1] and a[2] <= b[2] and a[3] <= b[3]


# Each plot text's rendered size: its font size times the plot's scale, and
# its box across the line (the rotated axis label's is its width).
PLOT_TEXT_SIZES = """
return [...document.querySelectorAll('#measurements svg text')].map((t) => {
  const m = t.getScreenCTM(), r = t.getBoundingClientRect();
  return [t.textContent, parseFloat(getComputedStyle(t).fontSize) * Math.hypot(m.a, m.b),
    Math.abs(m.b) > Math.abs(m.a) ? r.width : r.height];
});
"""


class DockedPanel(LessonTest):
    """The panel where the program puts it: beside the drawing on a landscape
    window, below it on a portrait one, the drawing shown smaller meanwhile."""

    def at(self, width, height):
        self.browser.width, self.browser.height = width, height
        self.load()

    def rect(self, selector):
        return self.browser.script("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                                   "return [r.left, r.top, r.right, r.bottom]", selector)

    def show_panel(self):
        self.press("m")
        wait_for(lambda: self.view("panelVisible"), what="the panel")
        return self.view("layout")

    def check_clear_of_the_bobs_and_the_buttons(self, layout, whole_apparatus=True):
        panel, bobs = self.rect("#measurements"), ltrb(layout["bobs"])
        self.assertEqual(panel, ltrb(layout["panel"]))  # the program's rectangle, as it is
        if whole_apparatus:  # (a start-up on a narrow window leaves the arches' ends out)
            self.assertTrue(inside(bobs, self.rect("#drawing")), (bobs, self.rect("#drawing")))
        self.assertFalse(overlap(panel, bobs), (panel, bobs))
        for n in range(1, 10):
            self.assertFalse(overlap(panel, self.rect("#command%d" % n)), n)
        for overlay in ("#xthesi", "#status") + (("#legend",) if self.view("legendShown") else ()):
            self.assertFalse(overlap(panel, self.rect(overlay)), overlay)

    def test_beside_the_drawing_on_classroom_screens_and_all_the_room_back_when_hidden(self):
        for width, height in ((1366, 768), (1920, 1080)):
            with self.subTest(size="%dx%d" % (width, height)):
                self.at(width, height)
                self.assertEqual(self.rect("#drawing"), [0, 0, width, height])
                bar = self.rect("#xthesi")
                self.press("4")
                self.click(1)
                layout = self.show_panel()
                self.assertFalse(layout["below"])
                self.assertLess(layout["scale"], 1)
                # The drawing shown smaller, one canvas pixel per device pixel; its
                # scroll bar and the key keep to it.
                canvas = self.rect("#drawing")
                self.assertAlmostEqual(canvas[2], width * layout["scale"], delta=1)
                self.assertEqual(self.browser.script("return document.getElementById('drawing').width"), canvas[2])
                self.assertTrue(inside(self.rect("#xthesi"), canvas))
                self.check_clear_of_the_bobs_and_the_buttons(layout)
                wait_for(lambda: self.points("period-plot") >= 1, timeout=20, what="a measured period")
                sizes = self.browser.script(PLOT_TEXT_SIZES)
                self.assertGreater(len(sizes), 20)
                small = [t for t in sizes if t[1] < 12 or t[2] < 12]
                self.assertEqual(small, [], "plot text under 12 px")

                self.press("m")
                self.assertFalse(self.view("panelVisible"))
                self.assertEqual(self.rect("#drawing"), [0, 0, width, height])
                self.assertEqual(self.rect("#xthesi"), bar)
                self.assertEqual(self.view("layout")["panel"], [0, 0, 0, 0])

    def test_below_the_drawing_on_a_portrait_window_and_after_a_resize_to_one(self):
        self.at(800, 1000)
        layout = self.show_panel()
        self.assertTrue(layout["below"])
        self.assertEqual(ltrb(layout["panel"])[2:], [800, 1000])
        self.assertGreaterEqual(self.rect("#measurements")[1], self.rect("#drawing")[3])
        self.check_clear_of_the_bobs_and_the_buttons(layout, whole_apparatus=False)
        # The plots side by side, their text still readable.
        self.assertEqual(self.rect("#period-plot")[1], self.rect("#displacement-plot")[1])
        self.assertEqual([t for t in self.browser.script(PLOT_TEXT_SIZES) if t[1] < 12], [])

        # Started on a landscape window, the panel moves below as it narrows.
        self.at(1366, 768)
        self.assertFalse(self.show_panel()["below"])
        self.browser.width, self.browser.height = 800, 1000
        self.browser.fit_inner_size()
        wait_for(lambda: self.view("layout")["below"] and self.rect("#measurements")[3] == 1000,
                 what="the panel below the drawing")
        self.check_clear_of_the_bobs_and_the_buttons(self.view("layout"))

    def test_a_refresh_replaces_the_plotted_data_and_keeps_the_axes(self):
        b = self.browser
        self.press("4")
        self.click(1)
        self.show_panel()
        wait_for(lambda: self.points("period-plot") >= 1, timeout=20, what="a measured period")
        self.press(Keys.SPACE)  # paused: one step is one refresh
        self.wait_frames(8)
        b.script("window.kept = {tick: document.querySelector('#period-plot .axes text'),"
                 "line: document.querySelector('#period-plot polyline')};")
        self.press("s")
        wait_for(lambda: b.script("return document.querySelector('#period-plot polyline') !== window.kept.line"),
                 what="the plot's next refresh")
        self.assertTrue(b.script("return document.querySelector('#period-plot .axes text') === window.kept.tick"
                                 " && window.kept.tick.isConnected"))
        # In another language the axes are built again, with its decimal comma.
        self.assertTrue(b.script("return window.orvalde.setLanguage('el')"))
        self.assertFalse(b.script("return window.kept.tick.isConnected"))
        ticks = b.script("return [...document.querySelectorAll('#period-plot .axes text')].map((t) => t.textContent)")
        self.assertIn("17,5", ticks)


class Readable(LessonTest):
    def rect(self, element_id):
        return self.browser.script("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                                   "return [r.left, r.top, r.right, r.bottom]", element_id)

    def test_the_key_stays_off_the_bobs_and_the_status_names_the_release_and_the_hint(self):
        self.assertTrue(self.view("legendShown"))
        left, top, right, bottom = self.rect("legend")
        for n in range(1, 10):
            b = self.rect("command%d" % n)
            self.assertTrue(left >= b[2] or top >= b[3], n)
        # The apparatus spans world x within +-2 pi a and y from 2a = 40 down;
        # its top edge is 40 world units above the picture's middle.
        scale = WIDTH / (2 * 250 * WIDTH / (WIDTH + HEIGHT))
        self.assertLessEqual(bottom, HEIGHT / 2 - 40 * scale)

        self.bar_part("right").click()  # the start -119, one step from the left end
        wait_for(lambda: "release height 38.90 m above the lowest point, string at 59.1\u00b0" in self.view("status"),
                 what="the release height in the status line")
        self.click(9)  # before either pendulum ran: a hint, and nothing moves
        wait_for(lambda: "TIME ON and time on KYKLIKO first" in self.view("status"), what="the joint button's hint")
        self.assertEqual(self.counters(), {"cycloid": 0, "circular": 0})
        self.click(1)
        wait_for(lambda: "cycloidal and exact circular: t = " in self.view("status"), what="the clock")
        self.assertNotIn("KYKLIKO first", self.view("status"))


class Saving(LessonTest):
    def test_the_menu_saves_the_measurements_and_the_picture(self):
        self.click(1)
        wait_for(lambda: self.cycloid() > 10, what="the pendulum to run")
        self.menu_item("Save measurements\u2026")
        saved = wait_for(lambda: self.view("lastSave"), what="the CSV download")
        self.assertEqual(saved["name"], "orvalde-measurements.csv")
        self.assertEqual(saved["firstLine"], CSV_HEADER)

        self.menu_item("Save picture\u2026")
        saved = wait_for(lambda: (self.view("lastSave") or {}).get("name") == "orvalde.png" and
                         self.view("lastSave"), what="the PNG download")
        self.assertEqual(saved["type"], "image/png")
        self.assertGreater(saved["size"], 1000)
        self.assertFalse(self.browser.driver.find_element(By.ID, "context-menu").is_displayed())

    def test_a_failed_save_is_told_and_the_animation_goes_on(self):
        self.click(1)
        self.browser.script("HTMLCanvasElement.prototype.toBlob = function (done) { done(null); };")
        self.menu_item("Save picture\u2026")
        notice = self.browser.driver.find_element(By.ID, "notice")
        wait_for(notice.is_displayed, what="the failure notice")
        self.assertIn("Could not save the picture", notice.text)
        before = self.cycloid()
        wait_for(lambda: self.cycloid() > before + 3, what="the animation to go on")

    def test_the_menu_pauses_and_sets_the_pace(self):
        self.click(1)
        self.menu_item("Pause")
        self.assertTrue(self.view("paused"))
        self.menu_item("Resume")
        self.assertFalse(self.view("paused"))
        self.menu_item("Pace \u00bc\u00d7")
        self.assertEqual(self.view("pace"), "\u00bc\u00d7")


if __name__ == "__main__":
    unittest.main(verbosity=2)
