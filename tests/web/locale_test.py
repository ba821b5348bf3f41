#!/usr/bin/python3
"""The page in the browser's language: under en-US, de-DE and fr-FR the summary of each
bundled example (and of one with negative amounts), and the results and every report page
of the engine in the conventions the page reads from the browser, equal payvanta-calc's under
en_US, de_DE and fr_FR.

locale_test.py WEB_BIN_DIR CALC_PROGRAM PROJECT...
"""
import json
import os
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
# The examples, and one whose energy and maintenance savings are negative amounts.
FOLDER = tempfile.TemporaryDirectory()
PROJECTS = [*EXAMPLES, os.path.join(FOLDER.name, "negative.QVR")]
with open(EXAMPLES[0], "rb") as example, open(PROJECTS[-1], "wb") as negative:
    negative.write(re.sub(rb"(?m)^(KwHrRate|MaintPerHour) = ", rb"\1 = -", example.read()))

# A second engine in the page, dated as payvanta-calc is below: the project's results and
# report pages in the conventions of the browser's language, as payvanta-calc --json writes
# them.
ENGINE_JSON = """
const [name, bytes, reports, done] = arguments;
const quiet = new Proxy({}, { get: (_, call) => () => (call === 'askYesNo' ? false : null) });
Payvanta({ preRun: [(module) => { module.ENV.SOURCE_DATE_EPOCH = '%s'; }] }).then(async (web) => {
    web.FS.mkdirTree('/payvanta');
    for (const file of ['Customer.ini', 'MillMoto.ini', 'UtilRate.ini', 'ShoeCost.ini',
                        'TipCosts.ini']) {
        const text = await (await fetch(`data/${file}`)).arrayBuffer();
        web.FS.writeFile(`/payvanta/${file}`, new Uint8Array(text));
    }
    web.FS.writeFile(`/payvanta/${name}`, new Uint8Array(bytes));
    const form = new web.WebForm(quiet, '/payvanta', payvantaLocale(navigator.language));
    form.load();
    form.openProjectFile(`/payvanta/${name}`);
    done([form.resultJson(), ...reports.map((report) => form.reportJson(report))]);
}).catch((error) => done(String(error)));
""" % EPOCH


def calc_json(locale, project, *args):
    return subprocess.run([CALC, "--locale", locale, *args, "--json", project], check=True,
                          capture_output=True, text=True,
                          env={**os.environ, "SOURCE_DATE_EPOCH": EPOCH}).stdout


class InLanguage:
    """The test in the browser's language, with payvanta-calc in calc_locale."""
    site = WEB_BIN

    def test_figures_and_pages_equal_payvanta_calc_in_the_same_locale(self):
        self.open_page()
        self.assertEqual(self.browser.execute_script("return navigator.language"),
                         self.language, "chromium did not take the language asked for")
        for project in PROJECTS:
            with self.subTest(project=os.path.basename(project)):
                self.open_project(project)
                expected = json.loads(calc_json(self.calc_locale, project))
                shown = [self.element(label).get_property("textContent") for label in SUMMARY]
                self.assertEqual(shown, [expected[label] for label in SUMMARY])
                with open(project, "rb") as file:
                    got = self.browser.execute_async_script(
                        ENGINE_JSON, os.path.basename(project), list(file.read()), REPORTS)
                self.assertIsInstance(got, list, got)
                for page, report in zip(got, [[], *(["--report", r] for r in REPORTS)]):
                    self.assertEqual(page, calc_json(self.calc_locale, project, *report), report)


class UnitedStates(InLanguage, BrowserCase):
    language, calc_locale = "en-US", "en_US"


class Germany(InLanguage, BrowserCase):
    language, calc_locale = "de-DE", "de_DE"


class France(InLanguage, BrowserCase):
    language, calc_locale = "fr-FR", "fr_FR"


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
