#pragma once

#include "main_form_view.h"

namespace payvanta::ui {

// A window that shows nothing and answers every question No (or Cancel), for running the
// main form without widgets. Subclasses show what they need to, such as the messages.
class QuietView : public MainFormView {
public:
    void setText(ControlRef, std::string_view) override {}
    void setListItems(std::string_view, const std::vector<std::string>&) override {}
    void showMessage(std::string_view) override {}
    bool askYesNo(std::string_view) override { return false; }
    std::optional<std::string> askText(std::string_view) override { return std::nullopt; }
    std::optional<std::string> chooseProjectFile() override { return std::nullopt; }
    void selectTab(int) override {}
    void showFrame(int) override {}
    void setFocus(ControlRef) override {}
    void setEnabled(ControlRef, bool) override {}
    void setChecked(ControlRef, bool) override {}
    void setFont(ControlRef, std::string_view) override {}
    void setProgressVisible(bool) override {}
    void setProgress(int) override {}
    void beep() override {}
    void showReport(const reports::ReportPage&) override {}
    std::optional<std::string> choosePdfFile(std::string_view) override { return std::nullopt; }
    void showStatus(std::string_view) override {}
    void endProgram() override {}
};

} // namespace payvanta::ui
