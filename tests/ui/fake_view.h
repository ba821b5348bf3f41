#pragma once

#include "ui/main_form_view.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace payvanta::test {

// A scripted window for the main form's behaviour. Every call is written to the log in
// order; questions are answered from queues filled before the call that asks them, and
// a question nobody answered fails the test.
class FakeView final : public ui::MainFormView {
public:
    // Log lines: "text txtNumLifts=1", "text txtDutyCycleHoist(5)=26", "message ...",
    // "ask ...", "input ...", "choose", "tab 6", "frame 6", "focus txtShoeLife",
    // "enable cmdNewFile on", "check mnuFont(2) on", "font cmbStateKw Courier New",
    // "progress 25", "progress shown", "progress hidden", "beep", "items cmbStateKw 52",
    // "report 0", "end".
    std::vector<std::string> log;

    std::deque<bool> yesNoAnswers;
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
    // The messages shown, in order.
    std::vector<std::string> messages() const;
    void clearLog() { log.clear(); }

    void setText(ui::ControlRef control, std::string_view text) override;
    void setListItems(std::string_view list, const std::vector<std::string>& items) override;
    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view question) override;
    std::optional<std::string> askText(std::string_view prompt) override;
    std::optional<std::string> chooseProjectFile() override;
    void selectTab(int tabIndex) override;
    void showFrame(int frameIndex) override;
    void setFocus(ui::ControlRef control) override;
    void setEnabled(ui::ControlRef control, bool enabled) override;
    void setChecked(ui::ControlRef menuItem, bool checked) override;
    void setFont(ui::ControlRef control, std::string_view fontName) override;
    void setProgressVisible(bool visible) override;
    void setProgress(int value) override;
    void beep() override;
    void showReport(const reports::ReportPage& page) override;
    std::optional<std::string> choosePdfFile(std::string_view suggestedName) override;
    void showStatus(std::string_view text) override;
    void endProgram() override;
};

} // namespace payvanta::test
