#pragma once

#include "ui/main_form_view.h"

#include <emscripten/val.h>

namespace payvanta::web {

// The main form's view in a browser page: every view call goes to the method of the same
// name on a JavaScript object, controls by their names ("txtDutyCycleHoist(5)").
class WebView : public ui::MainFormView {
public:
    explicit WebView(emscripten::val page) : page_(std::move(page)) {}

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

    // The page on show built again (the business case after its inputs changed): drawn
    // in place, and what its print commands print from now on.
    void redrawReport(const reports::ReportPage& page);

    // The page last shown, which its window's print commands print as it was loaded.
    const std::optional<reports::ReportPage>& shownPage() const { return shown_; }

private:
    emscripten::val page_;
    std::optional<reports::ReportPage> shown_;
};

} // namespace payvanta::web
