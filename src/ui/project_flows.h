#pragma once

#include "form_context.h"

#include "files/project_files.h"
#include "files/reference_tables.h"

#include <functional>
#include <optional>
#include <string>

namespace payvanta::ui {

// Reads the four reference tables into the lists; the command-line program hands in a
// reader that reads them once for many projects.
using TableLoader = std::function<void(files::SelectionLists&, files::TableHost&)>;

// The commands that create, open, save and close a project, with the enabling rules of
// the form in each state: at start, while loading, with a project open, while closing.
class ProjectFlows final : private files::FileFlowHost, private files::TableHost {
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

    void EnableButtons(bool enable);
    void EnableButtonsFile(bool enable);
    void UncheckPrintFontMenu();
    void choosePrintFont(std::size_t menuIndex);

    bool projectOpen() const { return projectOpen_; }

private:
    // The files layer's needs, met by the window.
    void progress(int value) override;
    std::optional<std::string> askText(std::string_view prompt) override;
    void message(std::string_view text) override;
    void fileNameShown(std::string_view path) override;
    void printFontChecked(std::size_t menuIndex) override;
    void recalculated() override;

    void loadTables();
    void SetUp();
    void showFileName(std::string_view path);
    bool openProject(const std::string& path, const FormContext::EnabledState& enabledBefore);
    // Puts the form back as it was before a flow that could not read its file.
    void restore(const RunState& state, const FormContext::EnabledState& enabled);

    FormContext& form_;
    files::ProjectFiles files_;
    TableLoader tables_;
    bool tablesLoaded_ = false;
    bool progressShown_ = false;
    bool projectOpen_ = false;
};

} // namespace payvanta::ui
