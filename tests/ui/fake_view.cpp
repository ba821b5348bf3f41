#include "fake_view.h"

#include <gtest/gtest.h>

namespace payvanta::test {

std::vector<std::string> FakeView::linesStartingWith(
    std::initializer_list<std::string> prefixes) const {
    std::vector<std::string> out;
    for (const auto& line : log) {
        for (const auto& p : prefixes) {
            if (line.rfind(p, 0) == 0) {
                out.push_back(line);
                break;
            }
        }
    }
    return out;
}

std::vector<std::string> FakeView::messages() const {
    std::vector<std::string> out;
    for (const auto& line : linesStartingWith({"message "})) {
        out.push_back(line.substr(8));
    }
    return out;
}

void FakeView::setText(ui::ControlRef control, std::string_view text) {
    const std::string name = ui::controlName(control);
    texts[name] = std::string(text);
    log.push_back("text " + name + "=" + std::string(text));
}

void FakeView::setListItems(std::string_view list, const std::vector<std::string>& items) {
    listItems[std::string(list)] = items;
    log.push_back("items " + std::string(list) + " " + std::to_string(items.size()));
}

void FakeView::showMessage(std::string_view text) {
    log.push_back("message " + std::string(text));
}

bool FakeView::askYesNo(std::string_view question) {
    log.push_back("ask " + std::string(question));
    enabledWhenAsked = enabled;
    if (yesNoAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << question;
        return false;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakeView::askText(std::string_view prompt) {
    log.push_back("input " + std::string(prompt));
    enabledWhenAsked = enabled;
    if (textAnswers.empty()) {
        ADD_FAILURE() << "unexpected input box: " << prompt;
        return std::nullopt;
    }
    auto answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakeView::chooseProjectFile() {
    log.push_back("choose");
    enabledWhenAsked = enabled;
    if (fileChoices.empty()) {
        ADD_FAILURE() << "unexpected file selection dialog";
        return std::nullopt;
    }
    auto answer = fileChoices.front();
    fileChoices.pop_front();
    return answer;
}

void FakeView::selectTab(int tabIndex) {
    log.push_back("tab " + std::to_string(tabIndex));
}

void FakeView::showFrame(int frameIndex) {
    frameShown = frameIndex;
    log.push_back("frame " + std::to_string(frameIndex));
}

void FakeView::setFocus(ui::ControlRef control) {
    log.push_back("focus " + ui::controlName(control));
}

void FakeView::setEnabled(ui::ControlRef control, bool on) {
    enabled[ui::controlName(control)] = on;
    log.push_back("enable " + ui::controlName(control) + (on ? " on" : " off"));
}

void FakeView::setChecked(ui::ControlRef menuItem, bool on) {
    checked[ui::controlName(menuItem)] = on;
    log.push_back("check " + ui::controlName(menuItem) + (on ? " on" : " off"));
}

void FakeView::setFont(ui::ControlRef control, std::string_view fontName) {
    log.push_back("font " + ui::controlName(control) + " " + std::string(fontName));
}

void FakeView::setProgressVisible(bool visible) {
    progressVisible = visible;
    log.push_back(visible ? "progress shown" : "progress hidden");
}

void FakeView::setProgress(int value) {
    if (progressValues.empty()) {
        enabledWhileLoading = enabled;
    }
    progressValues.push_back(value);
    log.push_back("progress " + std::to_string(value));
}

void FakeView::beep() {
    log.push_back("beep");
}

void FakeView::showReport(const reports::ReportPage& page) {
    log.push_back("report " + std::string(reports::formName(page.form)));
    report = page;
}

std::optional<std::string> FakeView::choosePdfFile(std::string_view suggestedName) {
    log.push_back("save pdf " + std::string(suggestedName));
    if (pdfChoices.empty()) {
        ADD_FAILURE() << "unexpected save dialog";
        return std::nullopt;
    }
    auto answer = pdfChoices.front();
    pdfChoices.pop_front();
    return answer;
}

void FakeView::showStatus(std::string_view text) {
    log.push_back("status " + std::string(text));
}

void FakeView::endProgram() {
    log.push_back("end");
}

} // namespace payvanta::test
