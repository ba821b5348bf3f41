"""Headless chromium for the browser edition's tests: the page served by a plain
`python3 -m http.server`, a browser with a profile (and a language) of its own, and the
waits the tests share."""
import functools
import http.server
import json
import os
import re
import subprocess
import sys
import tempfile
import threading
import unittest

try:
    from selenium import webdriver
    from selenium.common.exceptions import StaleElementReferenceException
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError as error:
    sys.exit(f"the browser test needs Debian's python3-selenium: {error}")


def start_browser(profile, language=None):
    """Chromium in a profile folder, in the language given (such as "de-DE")."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    if language:
        options.add_argument(f"--lang={language}")
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
    service = Service(executable_path="/usr/bin/chromedriver")
    try:
        return webdriver.Chrome(service=service, options=options)
    except Exception as error:  # noqa: BLE001 - any failure to start is the reason to give
        sys.exit(f"chromium could not be started for the browser test: {error}")


# Both programs date their pages at this moment: payvanta-calc, the page through FIXED_CLOCK.
EPOCH = 1700000000
FIXED_CLOCK = f"Date.now = () => {EPOCH * 1000};"
# The report page on show: its name and each item's text by control name, or null.
SHOWN_ITEMS = """
const page = document.querySelector('#reportBox[open] [data-page]');
if (!page) { return null; }
const texts = {};
page.querySelectorAll('[data-control]').forEach((e) => { texts[e.dataset.control] = e.textContent; });
return [page.dataset.page, texts];
"""


def calc_json(calc, *args):
    """What payvanta-calc prints with --json, in United States English, at EPOCH in UTC."""
    env = {**os.environ, "SOURCE_DATE_EPOCH": str(EPOCH), "TZ": "UTC"}
    return json.loads(subprocess.run([calc, "--locale", "en_US", *args], check=True, env=env,
                                     capture_output=True, text=True).stdout)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def serve(site):
    """The site served in this process on a free port, for the bench: the server and its
    address."""
    handler = functools.partial(QuietHandler, directory=site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


class BrowserCase(unittest.TestCase):
    """A test of the page served from the folder site at self.url, in self.browser, whose
    language is language (None: chromium's own). A script before_page runs in each page
    before the page's own, in the UTC time zone (the tests that fix the clock with it
    compare dates with payvanta-calc's)."""
    site = None
    language = None
    before_page = None

    @classmethod
    def setUpClass(cls):
        cls.start_server()
        cls.profile = tempfile.TemporaryDirectory()
        cls.browser = start_browser(cls.profile.name, cls.language)
        if cls.before_page:
            cls.browser.execute_cdp_cmd("Emulation.setTimezoneOverride", {"timezoneId": "UTC"})
            cls.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                        {"source": cls.before_page})

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.stop_server()
        cls.profile.cleanup()

    @classmethod
    def start_server(cls, port=0):
        """A plain python3 -m http.server of the site on port (0: a free one), serving once
        it says so."""
        cls.server = subprocess.Popen(
            [sys.executable, "-u", "-m", "http.server", str(port), "--bind", "127.0.0.1",
             "--directory", cls.site], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
            text=True)
        cls.port = re.search(r" port (\d+) ", cls.server.stdout.readline()).group(1)
        cls.url = f"http://127.0.0.1:{cls.port}/"

    @classmethod
    def stop_server(cls):
        cls.server.kill()
        cls.server.wait()

    def downloaded(self, folder, name):
        """The bytes of a download into folder, once chromium has finished writing it (it
        makes the file before its bytes arrive)."""
        path = os.path.join(folder, name)

        def done():
            return (os.path.exists(path) and os.path.getsize(path) > 0
                    and not any(f.endswith(".crdownload") for f in os.listdir(folder)))
        self.wait(done, f"the download of {name}")
        with open(path, "rb") as f:
            return f.read()

    def wait(self, condition, what):
        # An element found just before the page starts again is gone by the time it is read.
        return WebDriverWait(self.browser, 20, ignored_exceptions=[
            StaleElementReferenceException]).until(lambda _: condition(), message=what)

    def element(self, control):
        return self.browser.find_element(By.ID, control)

    def active(self):
        return self.browser.switch_to.active_element.get_attribute("id")

    def menu(self, menu, item):
        """Runs an item of the page's menu bar."""
        self.element(menu).click()
        self.wait(self.element(item).is_displayed, f"the {menu} menu")
        self.element(item).click()

    def open_page(self):
        self.browser.get(self.url)
        self.wait(lambda: self.element("frmMain").get_attribute("aria-busy") == "false",
                  "the form to load")
        self.assertEqual(self.element("status").text, "")

    def open_project(self, path):
        self.open_page()
        self.element("openProject").send_keys(os.path.abspath(path))
        self.wait(lambda: self.element("lblSummaryTotal").text != "", "the summary")
