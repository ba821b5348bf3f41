#pragma once

#include "form_context.h"
#include "project_file_steps.h"

#include <cstddef>
#include <string>

namespace payvanta::ui {

// The commands that create, open, save and close a project, each moving the form from
// one state of its commands to the next: at start, while loading, with a project open,
// cancelled, while closing.
class ProjectFlows {
public:
    ProjectFlows(FormContext& form, TableLoader tables);

    // The form has loaded: first help page, all flags false, the start state's commands.
    void formLoad();

    void newFile();
    void existingFile();
    // Opens this project as the OK button of the file selection dialog does; false when
    // it could not be read (the form then is as it was).
    bool openProjectFile(const std::string& path);
    void saveData();
    // Close and Exit: the commands go, then the form unloads.
    void closeCommand();
    // The form is unloading; false when the user's work could not be saved after all,
    // in which case the program stays open.
    bool unload();

    void choosePrintFont(std::size_t menuIndex);

    bool projectOpen() const { return projectOpen_; }

private:
    bool openProject(const std::string& path, FormState stateBefore);
    void setUp();
    // Puts the form back as it was before a flow that could not read its file.
    void restore(const RunState& state, FormState commands);

    FormContext& form_;
    ProjectFileSteps steps_;
    // At most one project is open in a run: once it is, it stays.
    bool projectOpen_ = false;
};

} // namespace payvanta::ui
