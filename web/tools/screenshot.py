#!/usr/bin/python3
"""Takes the README's picture of the browser edition: the page in headless
Chromium with both pendulums run for a while, then stopped.

    web/tools/screenshot.py OUT.png [--size WxH]"""

import argparse
import os
import pathlib
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))

from selenium.webdriver.common.by import By  # noqa: E402

from browser import Browser  # noqa: E402

parser = argparse.ArgumentParser()
parser.add_argument("out")
parser.add_argument("--size", default="1280x720")
parser.add_argument("--ticks", type=int, default=40)
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
    for number in (1, 5, 9):
        d.find_element(By.ID, "command%d" % number).click()
    while browser.script("return window.orvalde.counters().cycloid") < args.ticks and time.monotonic() < end:
        time.sleep(0.01)
    d.find_element(By.ID, "command2").click()
    d.find_element(By.ID, "command8").click()
    pathlib.Path(args.out).write_bytes(d.get_screenshot_as_png())
finally:
    browser.close()
