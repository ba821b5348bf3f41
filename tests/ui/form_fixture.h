#pragma once

#include "fake_view.h"
#include "model/project_record.h"
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

    // Writes a project file with the values of fillCompleteProject (changed by edit) and
    // opens it as the file selection dialog would; then clears the log.
    template <typename Edit> void openProject(Edit&& edit) {
        ProjectRecord record;
        fillExample(record);
        edit(record);
        openRecord(record);
    }
    void openProject() {
        openProject([](ProjectRecord&) {});
    }
    // Writes the example project into the program folder; its path.
    std::string writeExampleFile(const char* name) const;

    // Presses the keys one after the other in the control, each landing at the end of
    // its text ("\b" is backspace).
    void type(ui::ControlRef control, std::string_view keys);
    // Selects the whole text of the control, then types the keys.
    void typeOver(ui::ControlRef control, std::string_view keys);
    void leave(ui::ControlRef control) { form.controlLeft(control); }

    const std::string& text(Field field) const { return form.model().record.get(field); }
    std::string controlText(ui::ControlRef control) const;

    static ui::ControlRef c(Field field) { return ui::controlOf(field); }

    TempFolder folder;
    FakeView view;
    ui::MainForm form;

private:
    static void fillExample(ProjectRecord& record);
    void openRecord(const ProjectRecord& record);
    void press(ui::ControlRef control, char key, bool replaceAll);
};

} // namespace payvanta::test
