#!/usr/bin/python3
"""Questions and project files in headless chromium: Close asks in the page's own dialog and
each answer does what the desktop's does; Save Data hands the desktop's bytes to the user's
file, else downloads them; New File asks the name; Existing File offers the examples; a file
given while a project is open is refused in the status line; the keyboard alone reaches every
field and command, Ctrl+Tab and Ctrl+Shift+Tab changing tabs.

files_test.py WEB_BIN_DIR PROJECT
"""
import os
import sys
import tempfile
import unittest

from browser import BrowserCase
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

WEB_BIN, PROJECT = sys.argv[1:]
TITLE = "Stravolux_QVR"
SAVE_QUESTION = "Would you like to save your work?"
NAME_PROMPT = ("Please enter the name of the new file. NOTE: The .QVR file extention will be "
               "added for you.")

# The user's files as the page would write them through the File System Access API: each
# file picked keeps what was written to it, so that a second save can be seen to reach the
# same file. They are kept in the session, which outlives the page starting again.
# Whether leaving the page now is held up for the browser's question.
LEAVING_ASKS = """
const leaving = new Event('beforeunload', { cancelable: true });
window.dispatchEvent(leaving);
return leaving.defaultPrevented;
"""
FILE_PICKER = """
window.pickedFiles = [];
sessionStorage.setItem('picked', '[]');
window.showSaveFilePicker = async (options) => {
    const file = { name: options.suggestedName, writes: [] };
    pickedFiles.push(file);
    return { createWritable: async () => ({
        write: async (bytes) => {
            file.writes.push(Array.from(bytes));
            sessionStorage.setItem('picked', JSON.stringify(pickedFiles));
        },
        close: async () => {} }) };
};
"""

# A file dropped on the page, as a browser's drop event carries it.
DROP = """
const [name, bytes] = arguments;
const data = new DataTransfer();
data.items.add(new File([new Uint8Array(bytes)], name));
document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true,
                                                   cancelable: true }));
"""


class FilesTest(BrowserCase):
    site = WEB_BIN

    def question(self, text, buttons):
        box = self.element("questionBox")
        self.wait(box.is_displayed, f"the question {text!r}")
        self.assertEqual(self.element("questionTitle").text, TITLE)
        self.assertEqual(self.element("questionText").text, text)
        shown = [b.text for b in box.find_elements(By.TAG_NAME, "button") if b.is_displayed()]
        self.assertEqual(shown, buttons)
        return box

    def picked(self):
        return self.browser.execute_script("return JSON.parse(sessionStorage.getItem('picked'));")

    def restarted(self):
        """Waits for the page to start again, as the program does once it has ended."""
        self.wait(lambda: self.browser.execute_script("return !window.pickedFiles;"),
                  "the page to start again")
        self.wait(lambda: self.element("frmMain").get_attribute("aria-busy") == "false",
                  "the form to load again")
        self.assertEqual(self.element("lblFileName").text, "")

    def test_close_asks_to_save_and_save_writes_the_desktops_bytes(self):
        with open(PROJECT, "rb") as f:
            original = f.read()
        name = os.path.basename(PROJECT)
        self.open_project(PROJECT)
        self.browser.execute_script(FILE_PICKER)
        # The project as opened saves back byte for byte, as on the desktop.
        self.element("cmdSaveExcel").click()
        self.wait(lambda: self.picked() and self.picked()[0]["writes"], "the first save")
        self.assertEqual(bytes(self.picked()[0]["writes"][0]), original)
        self.assertEqual(self.picked()[0]["name"], name)
        self.assertEqual(self.element("status").text, f"Saved /projects/{name}")
        # An edit with a letter beyond ASCII: written in 8 bits, the line ending CR LF, to the
        # same file.
        self.element("TabStrip1(2)").click()
        customer = self.element("txtCustName")
        self.wait(customer.is_displayed, "the project frame")
        customer.click()
        customer.send_keys(Keys.CONTROL, "a")
        customer.send_keys("Société Générale")
        old = next(line for line in original.split(b"\r\n") if line.startswith(b"CustName = "))
        expected = original.replace(old + b"\r\n",
                                    "CustName = Société Générale\r\n".encode("cp1252"))
        # Leaving the page now would lose the edit: the browser is to ask first.
        self.assertTrue(self.browser.execute_script(LEAVING_ASKS))
        self.element("cmdClose").click()
        self.question(SAVE_QUESTION, ["Yes", "No"])
        self.element("questionYes").click()
        self.wait(lambda: len(self.picked()[0]["writes"]) == 2, "the save on closing")
        self.assertEqual(len(self.picked()), 1)
        self.assertEqual(bytes(self.picked()[0]["writes"][1]), expected)
        self.restarted()
        self.assertFalse(self.browser.execute_script(LEAVING_ASKS))
        # No: the program ends, nothing saved.
        self.open_project(PROJECT)
        self.browser.execute_script(FILE_PICKER)
        self.element("cmdClose").click()
        self.question(SAVE_QUESTION, ["Yes", "No"]).send_keys(Keys.ESCAPE)
        self.restarted()

    def test_new_file_asks_the_name_and_saves_under_it(self):
        self.open_page()
        # Where the browser lets the page write no file of the user's, a save is a download.
        self.browser.execute_script("window.showSaveFilePicker = undefined;")
        downloads = tempfile.TemporaryDirectory()
        self.addCleanup(downloads.cleanup)
        self.browser.execute_cdp_cmd("Page.setDownloadBehavior",
                                     {"behavior": "allow", "downloadPath": downloads.name})
        self.element("cmdNewFile").click()
        self.question(NAME_PROMPT, ["OK", "Cancel"])
        self.element("questionCancel").click()
        self.wait(lambda: not self.element("questionBox").is_displayed(), "the name cancelled")
        self.assertEqual(self.element("lblFileName").text, "")
        self.element("cmdNewFile").click()
        self.question(NAME_PROMPT, ["OK", "Cancel"])
        answer = self.element("questionAnswer")
        self.assertEqual(self.browser.switch_to.active_element, answer)
        answer.send_keys("Crane 7", Keys.ENTER)
        self.wait(lambda: self.element("lblSummaryTotal").text != "", "the new project")
        self.assertEqual(self.element("lblFileName").text, "/payvanta/Crane 7.QVR")
        self.element("cmdSaveExcel").click()
        text = self.downloaded(downloads.name, "Crane 7.QVR")
        self.assertIn(b"\r\nCustName = ", text)
        self.assertNotIn(b"\n", text.replace(b"\r\n", b""))

    def test_existing_file_offers_the_bundled_examples(self):
        self.open_page()
        box = self.element("fileBox")
        self.element("cmdExistingFile").click()
        self.wait(box.is_displayed, "the file choice")
        self.element("fileCancel").click()
        self.wait(lambda: not box.is_displayed(), "the file choice cancelled")
        self.assertEqual(self.element("lblFileName").text, "")
        self.element("cmdExistingFile").click()
        name = os.path.basename(PROJECT)
        example = f"#exampleList button[data-example='{name}']"
        self.wait(lambda: self.browser.find_elements(By.CSS_SELECTOR, example), "the examples")
        self.browser.find_element(By.CSS_SELECTOR, example).click()
        self.wait(lambda: self.element("lblSummaryTotal").text != "", "the example to open")
        self.assertEqual(self.element("lblFileName").text, f"/projects/{name}")

    def test_a_file_given_while_a_project_is_open_is_refused_in_the_status_line(self):
        with open(PROJECT, "rb") as f:
            data = list(f.read())
        self.open_page()
        self.browser.execute_script(DROP, "dropped.QVR", data)
        self.wait(lambda: self.element("lblFileName").text == "/projects/dropped.QVR",
                  "the dropped project to open")
        self.element("openProject").send_keys(os.path.abspath(PROJECT))
        name = os.path.basename(PROJECT)
        self.wait(lambda: self.element("status").text != "", "the status line")
        self.assertEqual(self.element("status").text,
                         f"/projects/{name} was not opened: a project is already open. "
                         "Save Data, then Close, and open it again.")
        self.assertEqual(self.element("lblFileName").text, "/projects/dropped.QVR")

    def test_the_keyboard_alone_reaches_every_field_and_command(self):
        self.open_project(PROJECT)
        keys = ActionChains(self.browser)
        self.element("TabStrip1(1)").click()
        commands = {b.get_attribute("id") for b in self.browser.find_elements(
            By.CSS_SELECTOR, "#commands button, #TabStrip1 button") if b.is_enabled()}
        for tab in range(1, 7):
            frame = self.element(f"Frame1({tab})")
            self.wait(frame.is_displayed, f"frame {tab}")
            wanted = {c.get_attribute("id") for c in frame.find_elements(
                By.CSS_SELECTOR, "input, select:not([tabindex='-1']), [tabindex='0']")
                if c.is_displayed() and c.is_enabled()} | commands
            reached = set()
            for _ in range(200):
                keys.send_keys(Keys.TAB).perform()
                reached.add(self.active())
                if wanted <= reached:
                    break
            with self.subTest(tab=tab):
                self.assertEqual(wanted - reached, set())
            keys.key_down(Keys.CONTROL).send_keys(Keys.TAB).key_up(Keys.CONTROL).perform()
        self.wait(self.element("Frame1(1)").is_displayed, "Ctrl+Tab round to the first tab")
        keys.key_down(Keys.CONTROL).key_down(Keys.SHIFT).send_keys(Keys.TAB) \
            .key_up(Keys.SHIFT).key_up(Keys.CONTROL).perform()
        self.wait(self.element("Frame1(6)").is_displayed, "Ctrl+Shift+Tab back to the last tab")
        self.assertEqual(self.element("TabStrip1(6)").get_attribute("aria-selected"), "true")
        # A command and its question, from the keyboard.
        self.element("cmdClose").send_keys(Keys.ENTER)
        self.question(SAVE_QUESTION, ["Yes", "No"])
        self.assertEqual(self.active(), "questionYes")
        keys.send_keys(Keys.TAB).perform()
        self.assertEqual(self.active(), "questionNo")
        keys.send_keys(Keys.ENTER).perform()
        self.wait(lambda: self.element("lblFileName").text == "", "the program to end")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
