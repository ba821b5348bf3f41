#!/usr/bin/python3
"""The business-case inputs over the Business Case page, in headless chromium.
case_test.py WEB_BIN_DIR CALC_PROGRAM PROJECT"""
import os
import sys
import tempfile
import unittest

from browser import FIXED_CLOCK, SHOWN_ITEMS, BrowserCase, calc_json
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

WEB_BIN, CALC, PROJECT = sys.argv[1:]
COST = "250000"
REFUSED = "Drive Hardware must be a number from 0 to 100,000,000."


class CaseInputsTest(BrowserCase):
    site = WEB_BIN
    before_page = FIXED_CLOCK
    language = "en-US"

    def shown(self):
        return self.browser.execute_script(SHOWN_ITEMS)

    def figures(self, expected):
        texts = self.shown()[1]
        return {control: texts.get(control) for control in expected}

    def type_cost(self, text):
        cost = self.element("txtCaseDriveCost")
        cost.click()
        cost.send_keys(Keys.CONTROL, "a")
        cost.send_keys(text, Keys.TAB)

    def test_a_cost_typed_gives_the_page_of_payvanta_calc_and_saves_with_the_project(self):
        with open(PROJECT, "rb") as f:
            original = f.read()
        self.open_project(PROJECT)
        downloads = tempfile.TemporaryDirectory()
        self.addCleanup(downloads.cleanup)
        self.browser.execute_script("window.showSaveFilePicker = undefined;")
        self.browser.execute_cdp_cmd("Page.setDownloadBehavior",
                                     {"behavior": "allow", "downloadPath": downloads.name})
        self.menu("mnuView", "mnuBusinessCase")
        self.wait(self.shown, "the business case page")
        panel = self.element("fraBusinessCase")
        # Each box is heard by its caption.
        names = [e.accessible_name for e in panel.find_elements(By.TAG_NAME, "input")]
        self.assertTrue(len(names) == 10 and all(names), names)

        # Left with a cost, the page is built again from it: every figure is payvanta-calc's.
        expected = calc_json(CALC, "--cost", COST, "--report", "BusinessCase", "--json", PROJECT)
        shown_expected = {c: t.replace("\r\n", "\n") for c, t in expected.items()}
        self.type_cost(COST)
        self.wait(lambda: self.figures(expected) == shown_expected, "the page built again")
        self.assertEqual(self.active(), "txtCaseInstallationCost")

        # A cost out of its range: the message, then the focus back in the cost.
        self.type_cost("-5")
        self.wait(self.element("messageBox").is_displayed, "the message")
        self.assertEqual(self.element("messageText").text, REFUSED)
        self.element("messageOk").click()
        self.wait(lambda: self.active() == "txtCaseDriveCost", "the focus back in the cost")
        self.type_cost(COST)

        # Save Data: the project as it was, then the inputs, which payvanta-calc reads back.
        self.browser.switch_to.active_element.send_keys(Keys.ESCAPE)
        self.wait(lambda: not self.shown(), "the page to close")
        self.element("cmdSaveExcel").click()
        data = self.downloaded(downloads.name, os.path.basename(PROJECT))
        saved = os.path.join(downloads.name, os.path.basename(PROJECT))
        self.assertEqual(data[:len(original)], original)
        self.assertNotIn(b"\n", data.replace(b"\r\n", b""))
        self.assertEqual(calc_json(CALC, "--report", "BusinessCase", "--json", saved), expected)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
