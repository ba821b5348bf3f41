#!/usr/bin/python3
"""The page in headless chromium: a letter typed into a number field is refused; a leave
check shows its message in the page's own dialog and gives the focus back; Chromium's
accessibility tree names every control for a screen reader. (The summary of each bundled
example is that of payvanta-calc: locale_test.py.)

browser_test.py WEB_BIN_DIR PROJECT...
"""
import sys
import unittest

from browser import BrowserCase
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

WEB_BIN, *PROJECTS = sys.argv[1:]
TITLE = "Stravolux_QVR"


class PageTest(BrowserCase):
    site = WEB_BIN

    def test_number_field_refuses_a_letter_and_leave_check_speaks(self):
        self.open_project(PROJECTS[0])
        self.element("TabStrip1(6)").click()
        shoe_life = self.element("txtShoeLife")
        self.wait(shoe_life.is_displayed, "the inventory frame")
        shoe_life.click()
        before = shoe_life.get_attribute("value")
        shoe_life.send_keys(Keys.END, "x")
        self.assertEqual(shoe_life.get_attribute("value"), before)
        shoe_life.send_keys(Keys.CONTROL, "a")
        shoe_life.send_keys("0", Keys.TAB)
        box = self.element("messageBox")
        self.wait(box.is_displayed, "the leave check's message")
        self.assertEqual([box.aria_role, box.accessible_name], ["alertdialog", "Stravolux QVR"])
        self.assertEqual(self.element("messageTitle").text, TITLE)
        self.assertEqual(self.element("messageText").text,
                         "Shoe Life must have a value of at least 1.")
        self.element("messageOk").click()
        self.wait(lambda: not box.is_displayed(), "the message to close")
        self.wait(lambda: self.active() == "txtShoeLife", "the focus back in Shoe Life")
        self.assertEqual(shoe_life.get_attribute("value"), "1")
        # Alt+Down reaches a list's items from the keyboard; an item picked ("3 450.00")
        # gives the size and its cost; the list emptied asks for a size only once left, and
        # opening its items is not leaving it.
        size = self.element("cmbHoistNemaSize")
        size.click()
        size.send_keys(Keys.CONTROL, "a")
        size.send_keys(Keys.BACKSPACE)
        size.send_keys(Keys.ALT, Keys.ARROW_DOWN)
        items = self.element("cmbHoistNemaSize-items")
        self.wait(lambda: self.browser.switch_to.active_element == items, "the list's items")
        options = [o.text.split() for o in Select(items).options]
        other = len(options) - 1
        Select(items).select_by_index(other)
        self.wait(lambda: [size.get_attribute("value"),
                           self.element("txtContactHoist").get_attribute("value")]
                  == options[other], "the item picked")
        self.assertFalse(box.is_displayed())
        # The summary follows each key typed.
        self.element("TabStrip1(2)").click()
        labour = self.element("txtMaintPerHour")
        self.wait(labour.is_displayed, "the project frame")
        maintenance = self.element("lblSumaryMaintenance").text
        labour.click()
        labour.send_keys(Keys.CONTROL, "a")
        labour.send_keys("9")
        self.wait(lambda: self.element("lblSumaryMaintenance").text != maintenance,
                  "a new maintenance saving")
        # The new total is announced with its caption once the field is left, not per key.
        notice = self.element("summaryNotice")
        total = lambda: "Total: " + self.element("lblSummaryTotal").text  # noqa: E731
        self.assertNotEqual(notice.get_attribute("textContent"), total())
        labour.send_keys(Keys.TAB)
        self.wait(lambda: notice.get_attribute("textContent") == total(), "the total announced")

    def test_every_control_has_a_name_of_its_own(self):
        self.open_project(PROJECTS[0])
        shared = "#fraRealTimeSummary [tabindex='0'], #commands button"
        heard = {}
        for tab in range(1, 7):
            self.element(f"TabStrip1({tab})").click()
            frame = self.element(f"Frame1({tab})")
            self.wait(frame.is_displayed, f"frame {tab}")
            controls = [c for c in frame.find_elements(By.CSS_SELECTOR, "input, select, [tabindex]")
                        + self.browser.find_elements(By.CSS_SELECTOR, shared) if c.is_displayed()]
            heard |= (names := {c.get_attribute("id"): c.accessible_name for c in controls})
            with self.subTest(tab=tab):
                self.assertNotIn("", names.values(), names)
                self.assertEqual(len(set(names.values())), len(names), names)
        self.assertEqual(heard["txtHoistFPMHoist"], "Hoist speed, feet per minute")
        self.assertEqual(heard["lblSummaryTotal"], "Total: " + self.element("lblSummaryTotal").text)

if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
