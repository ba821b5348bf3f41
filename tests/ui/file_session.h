#pragma once

#include "fake_view.h"
#include "support/temp_folder.h"
#include "ui/form_context.h"
#include "ui/project_file_steps.h"

#include <set>
#include <string>

namespace payvanta::test {

// A temporary program folder with a form on a fake window and the file steps on it.
struct FileSession {
    explicit FileSession(LocaleConventions locale = LocaleConventions::unitedStates())
        : form{view, std::move(locale), folder.path(), {}} {}

    std::string path(std::string_view name) const { return (folder / name).string(); }

    // Opens the file as a chosen project: reads it, then loads it into the record.
    bool open(const std::string& file) {
        model.state.fileChosen = true;
        model.state.currentFilePath = file;
        if (!steps.readKeyValueFile()) {
            return false;
        }
        steps.loadProjectIntoFields();
        return true;
    }

    TempFolder folder;
    FakeView view;
    ui::FormContext form;
    ui::ProjectFileSteps steps{form, {}};
    SavingsModel& model = form.model();
};

} // namespace payvanta::test
