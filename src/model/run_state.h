#pragma once

#include <string>
#include <utility>
#include <vector>

namespace payvanta {

// The (key, value) pairs of the last file read, in file order.
using KeyValueTable = std::vector<std::pair<std::string, std::string>>;

// The run-time values that travel with the open project. One instance for the run.
struct RunState {
    // Full path of the current project file; empty until a project is opened or created.
    std::string currentFilePath;
    // A project or the default file has been read, or a project written, in this run.
    bool projectLoaded = false;
    // The current file is the user's project file, not the default file.
    bool userFileOpen = false;
    // The next read takes currentFilePath; while false the default file is read.
    bool fileChosen = false;
    // The live recalculation and the speed and step reactions run only while true.
    bool recalcEnabled = false;
    KeyValueTable keyValueTable;
    // Every multi-line text of the program is built with this.
    std::string lineBreak = "\r\n";
};

} // namespace payvanta
