"""Headless Chromium driven through chromedriver, for the page's tests."""

import base64
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# Chromium flags for a closed network and a root user; a fresh profile each time.
CHROMIUM_FLAGS = [
    "--headless",
    "--no-sandbox",
    "--disable-gpu",
    "--no-first-run",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--disable-dev-shm-usage",
    "--hide-scrollbars",
]


class Browser:
    """One Chromium with a page of the given inner size; collects the console."""

    def __init__(self, width, height, javascript=True, scale=1):
        self.profile = tempfile.mkdtemp(prefix="orvalde-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS:
            options.add_argument(flag)
        options.add_argument("--user-data-dir=" + self.profile)
        options.add_argument("--force-device-scale-factor=%g" % scale)
        options.add_argument("--window-size=%d,%d" % (width, height))
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        if not javascript:
            options.add_experimental_option("prefs", {"profile.managed_default_content_settings.javascript": 2})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.width, self.height = width, height
        self.console = []
        # The window is fitted before any page loads: the program takes the
        # inner size at start-up as its screen.
        self.driver.get("about:blank")
        self.fit_inner_size()

    def open(self, url):
        self.fit_inner_size()
        self.driver.get(url)
        return self

    def fit_inner_size(self):
        """Makes window.innerWidth x innerHeight the size asked for."""
        d = self.driver
        for _ in range(3):
            inner = d.execute_script("return [window.innerWidth, window.innerHeight]")
            if inner == [self.width, self.height]:
                return
            outer = d.get_window_size()
            d.set_window_size(outer["width"] + self.width - inner[0], outer["height"] + self.height - inner[1])

    def script(self, code, *args):
        return self.driver.execute_script(code, *args)

    def logs(self):
        """Console entries since the last call (and kept in self.console)."""
        entries = self.driver.get_log("browser")
        self.console.extend(entries)
        return entries

    def canvas_png(self, element_id="drawing"):
        url = self.script("return document.getElementById(arguments[0]).toDataURL('image/png')", element_id)
        return base64.b64decode(url.split(",", 1)[1])

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)
