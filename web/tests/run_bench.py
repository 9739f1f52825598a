#!/usr/bin/python3
"""Opens bench.html in headless Chromium and prints the JSON it writes."""

import json
import os
import pathlib
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from browser import Browser  # noqa: E402

WEB = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2] / "build/web")

browser = Browser(1920, 1080)
try:
    browser.open((WEB / "bench.html").resolve().as_uri())
    end = time.monotonic() + 120
    text = ""
    while time.monotonic() < end:
        text = browser.script("return document.getElementById('bench').textContent")
        if text.startswith("{"):
            break
        time.sleep(0.2)
    result = json.loads(text)
    print(json.dumps(result, indent=2))
    sys.exit(1 if "error" in result else 0)
finally:
    browser.close()
