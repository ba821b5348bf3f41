#!/usr/bin/python3
"""The page's speed in headless chromium, from build-web/bin (scripts/web.sh --build-only):
the cold load to a usable form (a new browser profile each time, from the start of the
navigation to the form loaded), and a key typed into a field whose change recalculates, from
the key's arrival to the summary written (median over the keys).

bench/web_page.py [WEB_BIN_DIR] [RUNS]
"""
import functools
import http.server
import os
import statistics
import sys
import tempfile
import threading

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# The browser tests' chromium, started alike.
sys.path.insert(0, os.path.join(ROOT, "tests", "web"))
from browser import start_browser  # noqa: E402
WEB_BIN = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build-web", "bin")
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 5
EXAMPLE = os.path.join(ROOT, "data", "examples", "paper-mill-roll-crane.QVR")

# Each key's time: from its keydown, caught first, to the end of its input event, whose
# handler has the form recalculate and write the summary.
TIMING = """
window.keyTimes = [];
let down = 0;
document.addEventListener('keydown', () => { down = performance.now(); }, true);
document.addEventListener('input', () => { keyTimes.push(performance.now() - down); });
"""


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def usable(driver):
    return driver.execute_script(
        "const m = performance.getEntriesByName('payvanta-usable');"
        "return m.length ? m[0].startTime : null;")


def main():
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=WEB_BIN))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    loads = []
    keys = []
    for _ in range(RUNS):
        with tempfile.TemporaryDirectory() as profile:
            driver = start_browser(profile)
            try:
                driver.get(url)
                loads.append(WebDriverWait(driver, 30).until(usable))
                driver.find_element(By.ID, "openProject").send_keys(EXAMPLE)
                WebDriverWait(driver, 30).until(
                    lambda d: d.find_element(By.ID, "lblSummaryTotal").text != "")
                driver.execute_script(TIMING)
                driver.find_element(By.ID, "TabStrip1(2)").click()
                labour = driver.find_element(By.ID, "txtMaintPerHour")
                labour.click()
                labour.send_keys(Keys.END, "1234567890" * 2)
                keys += driver.execute_script("return keyTimes;")
            finally:
                driver.quit()
    server.shutdown()
    print(f"cold load to a usable form: median {statistics.median(loads):.0f} ms, "
          f"worst {max(loads):.0f} ms over {RUNS} loads")
    print(f"key to summary: median {statistics.median(keys):.2f} ms, "
          f"worst {max(keys):.2f} ms over {len(keys)} keys")
    sizes = {name: os.path.getsize(os.path.join(WEB_BIN, name))
             for name in ["payvanta-web.wasm", "payvanta-web.js", "page.js", "index.html",
                          "payvanta.css"]}
    print("files: " + ", ".join(f"{name} {size / 1024:.0f} KB" for name, size in sizes.items()))


if __name__ == "__main__":
    main()
