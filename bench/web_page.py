#!/usr/bin/python3
"""The page's speed in headless chromium, from build-web/bin (scripts/web.sh --build-only):
the cold load to a usable form (a new browser profile each time, from the start of the
navigation to the form loaded); a key typed into a field whose change recalculates, from
the key's arrival to the summary written (median over the keys); and a report page shown, from
its View command to the frame after the page is drawn over the form (each page, each run).

bench/web_page.py [WEB_BIN_DIR] [RUNS]
"""
import os
import statistics
import sys
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "web"))
from browser import serve, start_browser  # noqa: E402 - found through the path above

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

# A View command, from its click to the frame after the page is drawn over the form.
SHOW_PAGE = """
const [command, done] = arguments;
const start = performance.now();
document.getElementById(command).click();
requestAnimationFrame(() => setTimeout(() => {
    const shown = performance.now() - start;
    document.getElementById('reportBox').close();
    done(shown);
}, 0));
"""
VIEW_COMMANDS = ["mnuHoist", "mnuTrolley", "mnuBridge", "mnuEnergy", "mnuMaintenance",
                 "mnuInventory", "mnuSavings", "mnuBusinessCase"]


def usable(driver):
    return driver.execute_script(
        "const m = performance.getEntriesByName('payvanta-usable');"
        "return m.length ? m[0].startTime : null;")


def main():
    server, url = serve(WEB_BIN)
    loads = []
    keys = []
    pages = []
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
                for command in VIEW_COMMANDS:
                    pages.append((driver.execute_async_script(SHOW_PAGE, command), command))
            finally:
                driver.quit()
    server.shutdown()
    print(f"cold load to a usable form: median {statistics.median(loads):.0f} ms, "
          f"worst {max(loads):.0f} ms over {RUNS} loads")
    print(f"key to summary: median {statistics.median(keys):.2f} ms, "
          f"worst {max(keys):.2f} ms over {len(keys)} keys")
    worst = max(pages)
    print(f"report page shown: median {statistics.median(t for t, _ in pages):.1f} ms, "
          f"worst {worst[0]:.1f} ms ({worst[1]}) over {len(pages)} pages")
    sizes = {name: os.path.getsize(os.path.join(WEB_BIN, name))
             for name in ["payvanta-web.wasm", "payvanta-web.js", "page.js", "index.html",
                          "payvanta.css", "dom.js", "reports.js", "reports.css"]}
    print("files: " + ", ".join(f"{name} {size / 1024:.0f} KB" for name, size in sizes.items()))


if __name__ == "__main__":
    main()
