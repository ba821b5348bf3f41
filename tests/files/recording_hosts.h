#pragma once

#include "files/project_files.h"
#include "files/reference_tables.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace payvanta::test {

// Records every call the file flows make on the window, in order, as short texts
// ("progress 30", "ask", "shown <path>", "font 2", "recalculated", "message <text>"),
// and answers the name question from a queue (cancelled once the queue is empty).
class RecordingFileHost : public files::FileFlowHost {
public:
    void progress(int value) override { log.push_back("progress " + std::to_string(value)); }
    std::optional<std::string> askText(std::string_view prompt) override {
        prompts.emplace_back(prompt);
        log.emplace_back("ask");
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void message(std::string_view text) override {
        messages.emplace_back(text);
        log.push_back("message " + std::string(text));
    }
    void fileNameShown(std::string_view path) override {
        shown.emplace_back(path);
        log.push_back("shown " + std::string(path));
    }
    void printFontChecked(std::size_t menuIndex) override {
        checkedFonts.push_back(menuIndex);
        log.push_back("font " + std::to_string(menuIndex));
    }
    void recalculated() override { log.emplace_back("recalculated"); }

    std::vector<int> progressValues() const {
        std::vector<int> values;
        for (const auto& entry : log) {
            if (entry.rfind("progress ", 0) == 0) {
                values.push_back(std::stoi(entry.substr(9)));
            }
        }
        return values;
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> prompts;
    std::vector<std::string> messages;
    std::vector<std::string> shown;
    std::vector<std::size_t> checkedFonts;
    std::vector<std::string> log;
};

class RecordingTableHost : public files::TableHost {
public:
    void message(std::string_view text) override { messages.emplace_back(text); }
    void progress(int value) override { progressValues.push_back(value); }

    std::vector<std::string> messages;
    std::vector<int> progressValues;
};

} // namespace payvanta::test
