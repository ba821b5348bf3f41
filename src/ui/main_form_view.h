#pragma once

#include "controls.h"
#include "reports/report_page.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace payvanta::ui {

using reports::ReportForm;

// What the main form's behaviour asks of the window. The window is a thin binding:
// it shows what it is told and reports what the user does.
class MainFormView {
public:
    virtual ~MainFormView() = default;

    // Shows a text in a control: a text box, the text part of a list, a label.
    virtual void setText(ControlRef control, std::string_view text) = 0;
    // The items of a selection list (or of the help topic list).
    virtual void setListItems(std::string_view list, const std::vector<std::string>& items) = 0;

    // A modal message box: the text, an OK button, no icon, the application title.
    virtual void showMessage(std::string_view text) = 0;
    // A modal question with Yes and No; true for Yes.
    virtual bool askYesNo(std::string_view question) = 0;
    // A single-line input box with an empty default answer; nothing when cancelled.
    virtual std::optional<std::string> askText(std::string_view prompt) = 0;
    // The file selection dialog, with the main form hidden while it is open; the chosen
    // project file, or nothing when it was cancelled.
    virtual std::optional<std::string> chooseProjectFile() = 0;

    // Selects a tab of the tab strip without reporting a tab click back.
    virtual void selectTab(int tabIndex) = 0;
    // Shows the frame of this index (1 to 6) behind the tab strip, and no other.
    virtual void showFrame(int frameIndex) = 0;
    virtual void setFocus(ControlRef control) = 0;

    // Commands, menus, menu items, the tab strip and the frames.
    virtual void setEnabled(ControlRef control, bool enabled) = 0;
    virtual void setChecked(ControlRef menuItem, bool checked) = 0;
    virtual void setFont(ControlRef control, std::string_view fontName) = 0;

    virtual void setProgressVisible(bool visible) = 0;
    virtual void setProgress(int value) = 0;
    virtual void beep() = 0;

    // Shows a report page modally, owned by the main form, until the user goes back.
    virtual void showReport(const reports::ReportPage& page) = 0;
    // A save dialog for a PDF file, suggesting the name; the path, or nothing when cancelled.
    virtual std::optional<std::string> choosePdfFile(std::string_view suggestedName) = 0;
    // Says what just happened in the status bar, for a few seconds.
    virtual void showStatus(std::string_view text) = 0;
    // The main form has been unloaded: the program ends.
    virtual void endProgram() = 0;
};

} // namespace payvanta::ui
