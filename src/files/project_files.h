#pragma once

#include "model/savings_model.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace payvanta::files {

// What the file flows need of the window: the progress bar, the name question, the
// message box, the file-name field, the print-font check marks and the summary.
class FileFlowHost {
public:
    virtual ~FileFlowHost() = default;
    virtual void progress(int /*value*/) {}
    // The input box; nothing when it is cancelled.
    virtual std::optional<std::string> askText(std::string_view /*prompt*/) { return std::nullopt; }
    virtual void message(std::string_view /*text*/) {}
    virtual void fileNameShown(std::string_view /*path*/) {}
    virtual void printFontChecked(std::size_t /*menuIndex*/) {}
    // RecalculateAll has run; the summary texts may have changed.
    virtual void recalculated() {}
};

// The largest project or default file the program reads.
inline constexpr std::size_t kMaxProjectFileBytes = 1024 * 1024;

// The project file and the default file of one program folder: reading a file into the
// record, writing the record, and the flags that go with it.
class ProjectFiles {
public:
    ProjectFiles(SavingsModel& model, FileFlowHost& host, std::filesystem::path programFolder);

    // Reads CurrentFilePath when FileChosen is true, otherwise the default file, into
    // KeyValueTable, moving the flags as it goes. A file that cannot be read is
    // reported and leaves the table and the flags as they were: the result is false.
    bool ReadKeyValueFile();

    // Copies every field from KeyValueTable into the record in file order, with the
    // recalculation held back, each motion's duty cycle brought up to date before its
    // five steps are set; then one full recalculation.
    void LoadProjectIntoFields();

    // Writes the record to CurrentFilePath, asking for a name first when that is the
    // default file. False when nothing could be written for a reason the user was told.
    bool WriteProjectFile();

    // Reads the default file unless a file has been read already, then marks the
    // current file as the user's.
    bool EnsureDefaultsRead();

    const std::filesystem::path& programFolder() const { return programFolder_; }

private:
    SavingsModel& model_;
    FileFlowHost& host_;
    std::filesystem::path programFolder_;
};

} // namespace payvanta::files
