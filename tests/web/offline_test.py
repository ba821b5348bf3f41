#!/usr/bin/python3
"""The web build installed (`cmake --install --component web`) is a folder that a plain
`python3 -m http.server` serves as it is. The page says its version; once loaded it opens
and works with the server gone; a new deploy's cache replaces the one before.

offline_test.py WEB_BUILD_DIR VERSION
"""
import pathlib
import subprocess
import sys
import tempfile
import unittest

from browser import BrowserCase
from selenium.webdriver.common.by import By

BUILD, VERSION = sys.argv[1:]


class SiteTest(BrowserCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        subprocess.run(["cmake", "--install", BUILD, "--component", "web", "--prefix",
                        cls.folder.name], check=True, capture_output=True)
        cls.site = cls.folder.name
        super().setUpClass()

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        cls.folder.cleanup()

    def caches(self):
        return self.browser.execute_async_script("caches.keys().then(arguments[0])")

    def test_page_works_offline_once_loaded_and_a_new_deploy_replaces_its_cache(self):
        self.open_page()
        self.assertEqual(self.element("version").text, f"Payvanta {VERSION}")
        self.wait(lambda: self.browser.execute_script(
            "return navigator.serviceWorker.controller !== null"), "the service worker")
        [cache] = self.caches()
        self.assertTrue(cache.startswith(f"payvanta-{VERSION}-"), cache)
        self.stop_server()
        # Without the server, nor the browser's own cache: the page, the engine, the tables
        # and a bundled example.
        self.browser.execute_cdp_cmd("Network.clearBrowserCache", {})
        self.open_page()
        self.element("cmdExistingFile").click()
        self.wait(lambda: self.browser.find_elements(By.CSS_SELECTOR, "[data-example]"),
                  "the examples")[0].click()
        self.wait(lambda: self.element("lblSummaryTotal").text != "", "the summary offline")
        # A new deploy: its service worker, with a cache name of its own, takes over.
        worker = pathlib.Path(self.site, "service-worker.js")
        worker.write_text(worker.read_text().replace(VERSION, f"{VERSION}-new", 1))
        self.start_server(self.port)
        self.open_page()
        self.wait(lambda: self.caches() == [cache.replace(VERSION, f"{VERSION}-new", 1)],
                  "the new deploy's cache alone")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
