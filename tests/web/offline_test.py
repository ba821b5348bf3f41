#!/usr/bin/python3
"""The site served by a plain `python3 -m http.server`: the page says its version; once
loaded it opens and works with the server gone; a new deploy's cache replaces the one
before.

offline_test.py SITE_DIR VERSION
"""
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from browser import BrowserCase, start_browser
from selenium.webdriver.common.by import By

SITE, VERSION = sys.argv[1:]


class InstalledSiteTest(BrowserCase):
    @classmethod
    def setUpClass(cls):
        # A copy, for the test deploys a new service worker.
        cls.site = tempfile.TemporaryDirectory()
        shutil.copytree(SITE, cls.site.name, dirs_exist_ok=True)
        cls.start_server(0)
        cls.profile = tempfile.TemporaryDirectory()
        cls.browser = start_browser(cls.profile.name)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.kill()
        cls.server.wait()
        cls.profile.cleanup()
        cls.site.cleanup()

    @classmethod
    def start_server(cls, port):
        """The plain server on port (0: a free one); it has its port once it says it serves."""
        cls.server = subprocess.Popen(
            [sys.executable, "-u", "-m", "http.server", str(port), "--bind", "127.0.0.1",
             "--directory", cls.site.name], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
            text=True)
        port = re.search(r" port (\d+) ", cls.server.stdout.readline()).group(1)
        cls.url = f"http://127.0.0.1:{port}/"

    def caches(self):
        return self.browser.execute_async_script("caches.keys().then(arguments[0])")

    def test_page_works_offline_once_loaded_and_a_new_deploy_replaces_its_cache(self):
        self.open_page()
        self.assertEqual(self.element("version").text, f"Payvanta {VERSION}")
        self.wait(lambda: self.browser.execute_script(
            "return navigator.serviceWorker.controller !== null"), "the service worker")
        [cache] = self.caches()
        self.assertTrue(cache.startswith(f"payvanta-{VERSION}-"), cache)
        self.server.kill()
        self.server.wait()
        # Without the server, nor the browser's own cache: the page, the engine, the tables
        # and a bundled example.
        self.browser.execute_cdp_cmd("Network.clearBrowserCache", {})
        self.open_page()
        self.element("cmdExistingFile").click()
        self.wait(lambda: self.browser.find_elements(By.CSS_SELECTOR, "[data-example]"),
                  "the examples")
        self.browser.find_elements(By.CSS_SELECTOR, "[data-example]")[0].click()
        self.wait(lambda: self.element("lblSummaryTotal").text != "", "the summary offline")
        # A new deploy: its service worker, with a cache name of its own, takes over.
        worker = f"{self.site.name}/service-worker.js"
        with open(worker, encoding="utf-8") as file:
            text = file.read().replace(f"payvanta-{VERSION}-", f"payvanta-{VERSION}-new-")
        with open(worker, "w", encoding="utf-8") as file:
            file.write(text)
        self.start_server(self.url.split(":")[-1].strip("/"))
        self.open_page()
        self.wait(lambda: self.caches() == [cache.replace(VERSION, f"{VERSION}-new", 1)],
                  "the new deploy's cache alone")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
