#pragma once

#include "fake_view.h"
#include "model/project_record.h"
#include "support/example_project.h"
#include "support/temp_folder.h"
#include "ui/main_form.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace payvanta::test {

// A main form on a fake window, in a temporary program folder holding the shipped
// default file and tables.
class FormTest : public ::testing::Test {
protected:
    explicit FormTest(LocaleConventions locale = LocaleConventions::unitedStates());

    // Writes the example project (fillCompleteProject, changed by edit) as Example.QVR and
    // opens it as the file selection dialog would; then clears the log.
    template <typename Edit> void openProject(Edit&& edit) {
        ProjectRecord record;
        fillCompleteProject(record);
        edit(record);
        ASSERT_TRUE(form.openProjectFile(write("Example.QVR", record)));
        view.clearLog();
    }
    void openProject() {
        openProject([](ProjectRecord&) {});
    }
    // Writes the record, by default the example project, into the program folder; its path.
    std::string write(const char* name, ProjectRecord record = example()) const;
    static ProjectRecord example() {
        ProjectRecord record;
        fillCompleteProject(record);
        return record;
    }

    // Presses the keys one after the other in the control, each landing at the end of
    // its text ("\b" is backspace); typeOver selects the whole text first.
    void type(ui::ControlRef control, std::string_view keys) { press(control, keys, false); }
    void typeOver(ui::ControlRef control, std::string_view keys) { press(control, keys, true); }
    void leave(ui::ControlRef control) { form.controlLeft(control); }

    const std::string& text(Field field) const { return form.model().record.get(field); }
    std::string controlText(ui::ControlRef control) const;

    static ui::ControlRef c(Field field) { return ui::controlOf(field); }

    TempFolder folder;
    FakeView view;
    ui::MainForm form;

private:
    void press(ui::ControlRef control, std::string_view keys, bool replaceAll);
};

} // namespace payvanta::test
