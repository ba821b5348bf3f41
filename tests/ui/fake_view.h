#pragma once

#include "ui/main_form_view.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace payvanta::test {

// A scripted window for the main form's behaviour. Every call is written to the log in
// order; questions are answered from queues filled before the call that asks them, and
// a question nobody answered fails the test.
class FakeView final : public ui::MainFormView {
public:
    // Log lines: "text txtNumLifts=1", "message ...", "ask ...", "input ...", "choose",
    // "tab 6", "frame 6", "focus txtShoeLife", "enable cmdNewFile on", "check mnuFont(2) on",
    // "font cmbStateKw Courier New", "progress 25", "progress shown", "progress hidden",
    // "beep", "items cmbStateKw 52", "report EnergySavings", "save pdf Summary.pdf",
    // "status ...", "end".
    std::vector<std::string> log;

    std::deque<std::optional<bool>> yesNoAnswers;
    std::deque<std::optional<std::string>> textAnswers;
    std::deque<std::optional<std::string>> fileChoices;
    std::deque<std::optional<std::string>> pdfChoices;

    // The state the calls left behind.
    std::map<std::string, std::string> texts;
    std::map<std::string, bool> enabled;
    std::map<std::string, bool> checked;
    std::map<std::string, std::vector<std::string>> listItems;
    std::vector<int> progressValues;
    // The enabled state when the first progress value came: the state while loading.
    std::map<std::string, bool> enabledWhileLoading;
    // The enabled state when the last question (yes/no, input box, file dialog) was asked.
    std::map<std::string, bool> enabledWhenAsked;
    bool progressVisible = false;
    // The page the last View item showed.
    std::optional<reports::ReportPage> report;
    int frameShown = 0;

    // The log lines that begin with any of the prefixes, in order.
    std::vector<std::string> linesStartingWith(std::initializer_list<std::string> prefixes) const;
    // The rest of the log lines that begin with the prefix, in order.
    std::vector<std::string> rest(std::string_view prefix) const;
    std::vector<std::string> messages() const { return rest("message "); }
    void clearLog() { log.clear(); }

    void setText(ui::ControlRef control, std::string_view text) override;
    void setListItems(std::string_view list, const std::vector<std::string>& items) override;
    void showMessage(std::string_view text) override { add("message ", text); }
    bool askYesNo(std::string_view question) override {
        return next(yesNoAnswers, "ask ", question).value_or(false);
    }
    std::optional<std::string> askText(std::string_view prompt) override {
        return next(textAnswers, "input ", prompt);
    }
    std::optional<std::string> chooseProjectFile() override {
        return next(fileChoices, "choose", "");
    }
    void selectTab(int tabIndex) override { add("tab ", std::to_string(tabIndex)); }
    void showFrame(int frameIndex) override;
    void setFocus(ui::ControlRef control) override { add("focus ", ui::controlName(control)); }
    void setEnabled(ui::ControlRef control, bool enabled) override;
    void setChecked(ui::ControlRef menuItem, bool checked) override;
    void setFont(ui::ControlRef control, std::string_view fontName) override;
    void setProgressVisible(bool visible) override;
    void setProgress(int value) override;
    void beep() override { add("beep", ""); }
    void showReport(const reports::ReportPage& page) override;
    std::optional<std::string> choosePdfFile(std::string_view suggestedName) override {
        return next(pdfChoices, "save pdf ", suggestedName);
    }
    void showStatus(std::string_view text) override { add("status ", text); }
    void endProgram() override { add("end", ""); }

private:
    void add(std::string_view what, std::string_view text);
    // Logs the question and takes its answer from the queue; none there fails the test.
    template <typename Answer>
    Answer next(std::deque<Answer>& answers, std::string_view what, std::string_view question);
};

} // namespace payvanta::test
