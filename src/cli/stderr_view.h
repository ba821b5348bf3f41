#pragma once

#include "ui/main_form_view.h"

#include <ostream>

namespace payvanta::cli {

// The main form's window for the command line: messages go to the error stream, every
// question is answered no, nothing else is shown.
class StderrView final : public ui::MainFormView {
public:
    explicit StderrView(std::ostream& err) : err_(err) {}

    void showMessage(std::string_view text) override { err_ << "payvanta-calc: " << text << '\n'; }
    bool askYesNo(std::string_view) override { return false; }
    std::optional<std::string> askText(std::string_view) override { return std::nullopt; }
    std::optional<std::string> chooseProjectFile() override { return std::nullopt; }

    void setText(ui::ControlRef, std::string_view) override {}
    void setListItems(std::string_view, const std::vector<std::string>&) override {}
    void selectTab(int) override {}
    void showFrame(int) override {}
    void setFocus(ui::ControlRef) override {}
    void setEnabled(ui::ControlRef, bool) override {}
    void setChecked(ui::ControlRef, bool) override {}
    void setFont(ui::ControlRef, std::string_view) override {}
    void setProgressVisible(bool) override {}
    void setProgress(int) override {}
    void beep() override {}
    void showReport(ui::ReportForm) override {}
    void endProgram() override {}

private:
    std::ostream& err_;
};

} // namespace payvanta::cli
