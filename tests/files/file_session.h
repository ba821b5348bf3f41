#pragma once

#include "files/project_files.h"
#include "files/reference_tables.h"
#include "support/temp_folder.h"

#include <deque>
#include <set>
#include <string>
#include <vector>

namespace payvanta::test {

using Texts = std::vector<std::string>;

// The files and folders under a folder, by their path relative to it.
inline std::set<std::string> filesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
        names.insert(e.path().lexically_relative(folder).string());
    }
    return names;
}

// Logs every call of the file flows or the table readers in order ("progress 30", "ask
// <prompt>", "message <text>", "shown <path>", "font 2", "recalculated") and answers the
// name question from a queue, cancelled once it is empty.
class RecordingHost : public files::FileFlowHost, public files::TableHost {
public:
    void progress(int value) override { add("progress ", std::to_string(value)); }
    std::optional<std::string> askText(std::string_view prompt) override {
        add("ask ", prompt);
        const auto answer = answers.empty() ? std::nullopt : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    void message(std::string_view text) override { add("message ", text); }
    void fileNameShown(std::string_view path) override { add("shown ", path); }
    void printFontChecked(std::size_t index) override { add("font ", std::to_string(index)); }
    void recalculated() override { add("recalculated", ""); }

    // The texts of the calls of one kind ("progress", "message", ...), in order.
    Texts of(std::string_view kind) const {
        Texts texts;
        for (const auto& entry : log) {
            if (entry.starts_with(kind) && entry[kind.size()] == ' ') {
                texts.push_back(entry.substr(kind.size() + 1));
            }
        }
        return texts;
    }

    std::deque<std::optional<std::string>> answers;
    Texts log;

private:
    void add(std::string_view kind, std::string_view text) {
        log.push_back(std::string(kind).append(text));
    }
};

// A temporary program folder with a model and the file flows on it.
struct FileSession {
    std::string path(std::string_view name) const { return (folder / name).string(); }

    // Opens the file as a chosen project: reads it, then loads it into the record.
    bool open(const std::string& file) {
        model.state.FileChosen = true;
        model.state.CurrentFilePath = file;
        if (!files.ReadKeyValueFile()) {
            return false;
        }
        files.LoadProjectIntoFields();
        return true;
    }

    TempFolder folder;
    SavingsModel model;
    RecordingHost host;
    files::ProjectFiles files{model, host, folder.path()};
};

} // namespace payvanta::test
