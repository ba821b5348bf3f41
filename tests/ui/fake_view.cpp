#include "fake_view.h"

#include <gtest/gtest.h>

namespace payvanta::test {

std::vector<std::string>
FakeView::linesStartingWith(std::initializer_list<std::string> prefixes) const {
    std::vector<std::string> out;
    for (const auto& line : log) {
        for (const auto& p : prefixes) {
            if (line.starts_with(p)) {
                out.push_back(line);
                break;
            }
        }
    }
    return out;
}

std::vector<std::string> FakeView::rest(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const auto& line : log) {
        if (line.starts_with(prefix)) {
            out.push_back(line.substr(prefix.size()));
        }
    }
    return out;
}

void FakeView::add(std::string_view what, std::string_view text) {
    log.push_back(std::string(what) + std::string(text));
}

template <typename Answer>
Answer FakeView::next(std::deque<Answer>& answers, std::string_view what,
                      std::string_view question) {
    add(what, question);
    enabledWhenAsked = enabled;
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << what << question;
        return std::nullopt;
    }
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeView::setText(ui::ControlRef control, std::string_view text) {
    const std::string name = ui::controlName(control);
    texts[name] = std::string(text);
    add("text " + name + "=", text);
}

void FakeView::setListItems(std::string_view list, const std::vector<std::string>& items) {
    listItems[std::string(list)] = items;
    add("items " + std::string(list) + " ", std::to_string(items.size()));
}

void FakeView::showFrame(int frameIndex) {
    frameShown = frameIndex;
    add("frame ", std::to_string(frameIndex));
}

void FakeView::setEnabled(ui::ControlRef control, bool on) {
    enabled[ui::controlName(control)] = on;
    add("enable " + ui::controlName(control), on ? " on" : " off");
}

void FakeView::setChecked(ui::ControlRef menuItem, bool on) {
    checked[ui::controlName(menuItem)] = on;
    add("check " + ui::controlName(menuItem), on ? " on" : " off");
}

void FakeView::setFont(ui::ControlRef control, std::string_view fontName) {
    add("font " + ui::controlName(control) + " ", fontName);
}

void FakeView::setProgressVisible(bool visible) {
    progressVisible = visible;
    add(visible ? "progress shown" : "progress hidden", "");
}

void FakeView::setProgress(int value) {
    if (progressValues.empty()) {
        enabledWhileLoading = enabled;
    }
    progressValues.push_back(value);
    add("progress ", std::to_string(value));
}

void FakeView::showReport(const reports::ReportPage& page) {
    add("report ", reports::formName(page.form));
    report = page;
}

} // namespace payvanta::test
