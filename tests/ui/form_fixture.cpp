#include "form_fixture.h"

#include "files/project_file_layout.h"
#include "support/example_project.h"
#include "ui/controls.h"

namespace payvanta::test {

// Pages are dated 6 December 2026, 8:15:03 PM.
FormTest::FormTest(LocaleConventions locale)
    : form(view, std::move(locale), folder.path(), {},
           [] { return reports::DateTime{2026, 12, 6, 20, 15, 3}; }) {
    copyShippedData(folder.path());
    form.load();
}

void FormTest::fillExample(ProjectRecord& record) {
    fillCompleteProject(record);
}

void FormTest::openRecord(const ProjectRecord& record) {
    const auto path = folder / "Example.QVR";
    writeBytes(path, files::encodeProjectFile(files::projectFileText(record, LocaleConventions::unitedStates())));
    ASSERT_TRUE(form.openProjectFile(path.string()));
    view.clearLog();
}

std::string FormTest::writeExampleFile(const char* name) const {
    ProjectRecord record;
    fillExample(record);
    const auto path = folder / name;
    writeBytes(path, files::encodeProjectFile(files::projectFileText(record, LocaleConventions::unitedStates())));
    return path.string();
}

std::string FormTest::controlText(ui::ControlRef control) const {
    const auto it = view.texts.find(ui::controlName(control));
    return it == view.texts.end() ? std::string() : it->second;
}

void FormTest::press(ui::ControlRef control, char key, bool replaceAll) {
    const int kept = form.keyPressed(control, static_cast<unsigned char>(key));
    if (kept == 0) {
        return;
    }
    const auto field = ui::fieldOf(control);
    std::string now = replaceAll ? std::string() : (field ? text(*field) : controlText(control));
    if (kept == 8) {
        if (!now.empty()) {
            now.pop_back();
        }
    } else {
        now.push_back(static_cast<char>(kept));
    }
    form.textChanged(control, now);
}

void FormTest::type(ui::ControlRef control, std::string_view keys) {
    for (const char k : keys) {
        press(control, k, false);
    }
}

void FormTest::typeOver(ui::ControlRef control, std::string_view keys) {
    bool first = true;
    for (const char k : keys) {
        press(control, k, first);
        first = false;
    }
}

} // namespace payvanta::test
