"""The page served from the web build and driven in headless chromium, for the browser tests:
PageSession starts a server and a browser once per test class, and opens the page or a project.
"""
import functools
import http.server
import os
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


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def start_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    service = Service(executable_path="/usr/bin/chromedriver")
    try:
        return webdriver.Chrome(service=service, options=options)
    except Exception as error:  # noqa: BLE001 - any failure to start is the reason to give
        sys.exit(f"chromium could not be started for the browser test: {error}")


class PageSession(unittest.TestCase):
    """The page in WEB_BIN (set by the test script before its tests run)."""
    WEB_BIN = None

    @classmethod
    def setUpClass(cls):
        handler = functools.partial(QuietHandler, directory=cls.WEB_BIN)
        cls.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.url = f"http://127.0.0.1:{cls.server.server_address[1]}/"
        cls.profile = tempfile.TemporaryDirectory()
        cls.browser = start_browser(cls.profile.name)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.shutdown()
        cls.profile.cleanup()

    def wait(self, condition, what):
        # An element found just before the page starts again is gone by the time it is read.
        return WebDriverWait(self.browser, 20, ignored_exceptions=[
            StaleElementReferenceException]).until(lambda _: condition(), message=what)

    def element(self, control):
        return self.browser.find_element(By.ID, control)

    def open_page(self):
        self.browser.get(self.url)
        self.wait(lambda: self.element("frmMain").get_attribute("aria-busy") == "false",
                  "the form to load")
        self.assertEqual(self.element("status").text, "")

    def open_project(self, path):
        self.open_page()
        self.element("openProject").send_keys(os.path.abspath(path))
        self.wait(lambda: self.element("lblSummaryTotal").text != "", "the summary")
