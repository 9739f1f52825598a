#!/usr/bin/python3
"""Takes the README's picture of the browser edition: the page in headless
Chromium with both pendulums run for a while, then stopped; with --panel, the
measurements panel shown (M) while they run.

    web/tools/screenshot.py OUT.png [--size WxH] [--ticks N] [--panel]"""

import argparse
import os
import pathlib
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402

from browser import Browser  # noqa: E402

parser = argparse.ArgumentParser()
parser.add_argument("out")
parser.add_argument("--size", default="1280x720")
parser.add_argument("--ticks", type=int, default=40)
parser.add_argument("--panel", action="store_true", help="show the measurements panel")
args = parser.parse_args()
width, height = (int(v) for v in args.size.split("x"))

root = pathlib.Path(__file__).resolve().parents[2]
browser = Browser(width, height)
try:
    browser.open((pathlib.Path(os.environ.get("ORVALDE_WEB", root / "build/web")) / "index.html").as_uri())
    d = browser.driver
    end = time.monotonic() + 20
    while not browser.script("return !!window.orvalde") and time.monotonic() < end:
        time.sleep(0.05)
    # Pressed from the page: on a narrow window some buttons lie outside it.
    def press(number):
        browser.script("document.getElementById('command%d').click()" % number)

    for number in (1, 5, 9):
        press(number)
    if args.panel:
        ActionChains(d).send_keys("m").perform()
    end = time.monotonic() + max(20, args.ticks / 5)
    while browser.script("return window.orvalde.counters().cycloid") < args.ticks and time.monotonic() < end:
        time.sleep(0.01)
    press(2)
    press(8)
    if args.panel:
        time.sleep(0.3)  # the panel's last redraw (ten a second at most)
    pathlib.Path(args.out).write_bytes(d.get_screenshot_as_png())
finally:
    browser.close()
