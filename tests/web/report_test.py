#!/usr/bin/python3
"""The report pages and printing in headless chromium: every report page of each bundled
example shows the texts of payvanta-calc --report NAME --json, and Escape gives the focus
back; Print All lays out seven letter sheets in order, each page in its print font and cap,
and prints as seven letter pages; a page's Print Form prints that page alone.

report_test.py WEB_BIN_DIR CALC_PROGRAM PROJECT...
"""
import base64
import os
import re
import subprocess
import sys
import tempfile
import unittest

import browser
from browser import FIXED_CLOCK, SHOWN_ITEMS, BrowserCase
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

WEB_BIN, CALC, *PROJECTS = sys.argv[1:]
REPORTS = {"mnuHoist": "Hoist", "mnuTrolley": "Trolley", "mnuBridge": "Bridge",
           "mnuEnergy": "EnergySavings", "mnuMaintenance": "Maintenance",
           "mnuInventory": "Inventory", "mnuSavings": "Savings",
           "mnuBusinessCase": "BusinessCase"}
# Headless chromium has no print dialog, and a print it starts never ends: the page's print
# is counted instead, and its sheets printed to PDF through the DevTools.
BEFORE_PAGE = FIXED_CLOCK + """
window.prints = 0;
window.print = () => { window.prints += 1; };
"""


def calc_json(*args):
    return browser.calc_json(CALC, *args)


class ReportTest(BrowserCase):
    site = WEB_BIN
    before_page = BEFORE_PAGE

    def sheets(self):
        return self.browser.find_elements(By.CSS_SELECTOR, "#printSheets .sheet")

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

    def test_print_all_lays_out_seven_letter_sheets_in_order(self):
        self.open_project(PROJECTS[0])
        self.menu("mnuPrinterFonts", "mnuFont(5)")  # Arial 12
        self.wait(lambda: self.element("mnuFont(5)").get_attribute("aria-checked") == "true",
                  "Arial 12 checked")
        self.element("cmdPrintAll").click()
        self.wait(lambda: len(self.sheets()) == 7, "seven sheets")
        self.assertEqual(self.browser.execute_script("return window.prints;"), 1)
        self.assertEqual(self.element("status").text, "Printed on the browser's printer")
        self.assertIn(" - Print All - ", self.element("printSheets").get_attribute("data-job"))
        # Each form's cap holds for its own page only: energy 8, maintenance 10, inventory 9.
        sizes = [s.find_element(By.CSS_SELECTOR, "[data-control='txtCustomer']")
                 .value_of_css_property("font-size") for s in self.sheets()[1:4]]
        self.assertEqual(sizes, ["10.6667px", "13.3333px", "12px"])
        self.assertIn("Arial", self.sheets()[2].find_element(
            By.CSS_SELECTOR, "[data-control='txtCustomer']").value_of_css_property("font-family"))
        pdf = base64.b64decode(self.browser.execute_cdp_cmd(
            "Page.printToPDF", {"preferCSSPageSize": True})["data"])
        with tempfile.NamedTemporaryFile(suffix=".pdf") as file:
            file.write(pdf)
            file.flush()
            info = subprocess.run(["pdfinfo", file.name], check=True, capture_output=True,
                                  text=True).stdout
            self.assertRegex(info, r"Pages:\s+7\n")
            self.assertRegex(info, r"Page size:\s+612 x 792 pts \(letter\)")
            pages = subprocess.run(["pdftotext", "-layout", file.name, "-"], check=True,
                                   capture_output=True, text=True).stdout.split("\f")
        self.assertIn("Annual Summary", pages[0])
        self.assertNotRegex(pages[0], r"Page \d of")
        for number in range(2, 8):
            self.assertEqual(re.findall(r"Page \d of 7", pages[number - 1]), [f"Page {number} of 7"])

    def test_print_form_prints_the_page_shown_alone(self):
        self.open_project(PROJECTS[0])
        self.menu("mnuView", "mnuHoist")
        self.wait(lambda: self.browser.execute_script(SHOWN_ITEMS), "the hoist page")
        self.browser.find_element(By.CSS_SELECTOR, "#reportBox [data-control='cmdPrintForm']").click()
        self.wait(lambda: " - Hoist - " in (self.element("printSheets").get_attribute("data-job")
                                           or ""), "the hoist page printed")
        [sheet] = self.sheets()
        controls = [e.get_attribute("data-control")
                    for e in sheet.find_elements(By.CSS_SELECTOR, "[data-control]")]
        self.assertIn("txtSavingsKwHrPerTurn", controls)
        self.assertNotIn("cmdPrintForm", controls)
        # The page stays open for more.
        self.assertTrue(self.element("reportBox").is_displayed())


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
