"""The browser tests' shared start-up: the web build served on a free port, Debian's
headless chromium driven through chromedriver with a fresh profile, and a test case that
opens the page and a project in it."""
import functools
import http.server
import os
import sys
import tempfile
import threading
import unittest

try:
    from selenium import webdriver
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


def serve(web_bin):
    """The web build served on a free port: the server and its address."""
    handler = functools.partial(QuietHandler, directory=web_bin)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


class PageTestCase(unittest.TestCase):
    """One browser and one server for a test class; web_bin is the web build's folder."""

    web_bin = None

    @classmethod
    def setUpClass(cls):
        cls.server, cls.url = serve(cls.web_bin)
        cls.profile = tempfile.TemporaryDirectory()
        cls.browser = start_browser(cls.profile.name)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.shutdown()
        cls.profile.cleanup()

    def wait(self, condition, what):
        return WebDriverWait(self.browser, 20).until(lambda _: condition(), message=what)

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
