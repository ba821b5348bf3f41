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

std::string FormTest::write(const char* name, ProjectRecord record) const {
    const auto path = folder / name;
    writeBytes(path, files::encodeProjectFile(
                         files::projectFileText(record, LocaleConventions::unitedStates())));
    return path.string();
}

std::string FormTest::controlText(ui::ControlRef control) const {
    const auto it = view.texts.find(ui::controlName(control));
    return it == view.texts.end() ? std::string() : it->second;
}

void FormTest::press(ui::ControlRef control, std::string_view keys, bool replaceAll) {
    for (const char key : keys) {
        const int kept = form.keyPressed(control, static_cast<unsigned char>(key));
        if (kept != 0) {
            const auto field = ui::fieldOf(control);
            std::string now =
                replaceAll ? std::string() : (field ? text(*field) : controlText(control));
            if (kept != 8) {
                now.push_back(static_cast<char>(kept));
            } else if (!now.empty()) {
                now.pop_back();
            }
            form.textChanged(control, now);
        }
        replaceAll = false;
    }
}

} // namespace payvanta::test
