#!/usr/bin/python3
"""The report pages in headless chromium: every report page of each bundled example shows
the texts of payvanta-calc --report NAME --json, and Escape gives the focus back.

report_test.py WEB_BIN_DIR CALC_PROGRAM PROJECT...
"""
import json
import os
import subprocess
import sys
import unittest

from chromium import PageTestCase
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

WEB_BIN, CALC, *PROJECTS = sys.argv[1:]
EPOCH = 1700000000
REPORTS = {"mnuHoist": "Hoist", "mnuTrolley": "Trolley", "mnuBridge": "Bridge",
           "mnuEnergy": "EnergySavings", "mnuMaintenance": "Maintenance",
           "mnuInventory": "Inventory", "mnuSavings": "Savings",
           "mnuBusinessCase": "BusinessCase"}
# Both programs date their pages at the same moment, in the same zone.
BEFORE_PAGE = f"Date.now = () => {EPOCH * 1000};"
SHOWN_ITEMS = """
const page = document.querySelector('#reportBox[open] [data-page]');
if (!page) { return null; }
const texts = {};
page.querySelectorAll('[data-control]').forEach((e) => { texts[e.dataset.control] = e.textContent; });
return [page.dataset.page, texts];
"""


def calc_json(*args):
    env = {**os.environ, "SOURCE_DATE_EPOCH": str(EPOCH), "TZ": "UTC"}
    return json.loads(subprocess.run([CALC, "--locale", "en_US", *args], check=True, env=env,
                                     capture_output=True, text=True).stdout)


class ReportTest(PageTestCase):
    web_bin = WEB_BIN

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.browser.execute_cdp_cmd("Emulation.setTimezoneOverride", {"timezoneId": "UTC"})
        cls.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                    {"source": BEFORE_PAGE})

    def menu(self, menu, item):
        self.element(menu).click()
        self.wait(self.element(item).is_displayed, f"the {menu} menu")
        self.element(item).click()

    def test_report_pages_show_the_texts_of_payvanta_calc(self):
        self.assertTrue(PROJECTS)
        for project in PROJECTS:
            self.open_project(project)
            for command, name in REPORTS.items():
                with self.subTest(project=os.path.basename(project), report=name):
                    expected = calc_json("--report", name, "--json", project)
                    self.menu("mnuView", command)
                    page, texts = self.wait(lambda: self.browser.execute_script(SHOWN_ITEMS),
                                            f"the {name} page")
                    # Escape closes the page; the focus is back where it was.
                    self.browser.switch_to.active_element.send_keys(Keys.ESCAPE)
                    self.wait(lambda: not self.browser.execute_script(SHOWN_ITEMS),
                              "the page to close")
                    self.assertEqual(self.browser.switch_to.active_element.get_attribute("id"),
                                     "mnuView")
                    self.assertEqual(page, name)
                    self.assertTrue(expected)
                    for control, text in expected.items():
                        self.assertEqual(texts.get(control), text.replace("\r\n", "\n"), control)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
