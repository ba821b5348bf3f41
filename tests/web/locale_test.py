#!/usr/bin/python3
"""The page in the browser's language (en-US, de-DE, fr-FR): the summary of each bundled
example and of one with negative amounts, and the engine's results and report pages in the
conventions the page reads from the browser, equal payvanta-calc's in the same locale.

locale_test.py WEB_BIN_DIR CALC_PROGRAM PROJECT...
"""
import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import unittest

from browser import BrowserCase

WEB_BIN, CALC, *EXAMPLES = sys.argv[1:]
SUMMARY = ["lblSummaryEnergy", "lblSumaryMaintenance", "lblSummaryInventory", "lblSummaryTotal"]
REPORTS = ["Hoist", "Trolley", "Bridge", "EnergySavings", "Maintenance", "Inventory", "Savings",
           "BusinessCase"]
EPOCH = "1700000000"
TABLES = {p.name: list(p.read_bytes()) for p in pathlib.Path(WEB_BIN, "data").glob("*.ini")}
# The examples, and one whose energy and maintenance savings are negative amounts.
FOLDER = tempfile.TemporaryDirectory()
PROJECTS = [*EXAMPLES, os.path.join(FOLDER.name, "negative.QVR")]
with open(EXAMPLES[0], "rb") as example, open(PROJECTS[-1], "wb") as negative:
    negative.write(re.sub(rb"(?m)^(KwHrRate|MaintPerHour) = ", rb"\1 = -", example.read()))

# A second engine in the page, dated as payvanta-calc is: a project's results and report
# pages in the conventions of the browser's language, as payvanta-calc --json writes them.
ENGINE_JSON = """
const [files, name, reports, done] = arguments;
const quiet = new Proxy({}, { get: (_, call) => () => (call === 'askYesNo' ? false : null) });
Payvanta({ preRun: [(module) => { module.ENV.SOURCE_DATE_EPOCH = '%s'; }] }).then((web) => {
    Object.entries(files).forEach(([file, bytes]) => web.FS.writeFile(file, new Uint8Array(bytes)));
    const form = new web.WebForm(quiet, '/', payvantaLocale(navigator.language));
    form.load();
    form.openProjectFile(name);
    done([form.resultJson(), ...reports.map((report) => form.reportJson(report))]);
}).catch((error) => done(String(error)));
""" % EPOCH


def calc_json(locale, project, *args):
    return subprocess.run([CALC, "--locale", locale, *args, "--json", project], check=True,
                          capture_output=True, text=True,
                          env={**os.environ, "SOURCE_DATE_EPOCH": EPOCH}).stdout


class InLanguage:
    """The test in the browser's language ("de-DE"), payvanta-calc in the same ("de_DE")."""
    site = WEB_BIN

    def test_figures_and_pages_equal_payvanta_calc_in_the_same_locale(self):
        self.open_page()
        self.assertEqual(self.browser.execute_script("return navigator.language"),
                         self.language, "chromium did not take the language asked for")
        locale = self.language.replace("-", "_")
        for project in PROJECTS:
            name = os.path.basename(project)
            with self.subTest(project=name):
                self.open_project(project)
                files = {**TABLES, name: list(pathlib.Path(project).read_bytes())}
                got = self.browser.execute_async_script(ENGINE_JSON, files, name, REPORTS)
                self.assertIsInstance(got, list, got)
                shown = [self.element(label).get_property("textContent") for label in SUMMARY]
                self.assertEqual(shown, [json.loads(got[0])[label] for label in SUMMARY])
                for page, report in zip(got, [[], *(["--report", r] for r in REPORTS)]):
                    self.assertEqual(page, calc_json(locale, project, *report), report)


for language in ["en-US", "de-DE", "fr-FR"]:
    globals()[language] = type(language, (InLanguage, BrowserCase), {"language": language})


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
