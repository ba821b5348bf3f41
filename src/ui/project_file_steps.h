#pragma once

#include "files/reference_tables.h"
#include "form_context.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace payvanta::ui {

// Reads the four reference tables; the command-line program hands in a reader that reads
// them once for many projects.
using TableLoader = std::function<files::ReferenceTables()>;

// The steps by which a project or the default file comes into the form and goes back to
// its file: the files layer reads and writes, these move the flags and the progress bar,
// ask for names and tell the user what went wrong.
class ProjectFileSteps {
public:
    ProjectFileSteps(FormContext& form, TableLoader tables);

    // Reads currentFilePath when fileChosen is true, otherwise the default file, into
    // KeyValueTable. A file that cannot be read is reported and leaves the table and the
    // flags as they were: the result is false.
    bool readKeyValueFile();

    // Copies every field from KeyValueTable into the record in file order, with the
    // recalculation held back, each motion's duty cycle brought up to date before its
    // five steps are set; then one full recalculation.
    void loadProjectIntoFields();

    // Writes the record to currentFilePath, asking for a name first when that is the
    // default file. False when nothing could be written for a reason the user was told.
    bool writeProjectFile();

    // Reads the default file unless a file has been read already, then marks the current
    // file as the user's.
    bool ensureDefaultsRead();

    // Asks for the name of a new project; the path of its file in the program folder, or
    // nothing when the question was cancelled or answered with nothing, or the name cannot
    // be a file name (the user is told why).
    std::optional<std::string> askNewFilePath();

    // Fills the selection lists from the tables, once per run.
    void loadTables();

    // Checks the item of the "Printer-Fonts" menu, and only that one.
    void checkPrintFont(std::size_t menuIndex);

private:
    FormContext& form_;
    TableLoader tables_;
    bool tablesLoaded_ = false;
};

} // namespace payvanta::ui
