#pragma once

#include "reports/report_page.h"

#include <QDialog>

class QAction;
class QScrollArea;
class QVBoxLayout;

namespace payvanta::reports::qt {

// A report page on screen: a modal window owned by the main window, captioned as the
// page, with its menus ("Back" and "Print"; "Back", "Print Old" and "Print" on the
// savings summary) and, on the motion pages, the "Print Form" button. Every item of the
// page is a widget whose object name is its control name; values can be selected and
// copied as text. Back, Escape and closing the window all unload the page.
class ReportWindow : public QDialog {
    Q_OBJECT

public:
    explicit ReportWindow(const ReportPage& page, QWidget* parent = nullptr);

    const ReportPage& page() const { return page_; }

    // A block of inputs above the page, such as the business case's.
    void addInputs(QWidget* inputs);
    // The page built again, shown in place of the one before at the same scroll position;
    // no widget is deleted while an event may still be using it.
    void showPage(const ReportPage& page);

signals:
    void printRequested(payvanta::reports::ReportPrint command);

private:
    QWidget* buildPage();
    QAction* menuItem(const QString& name, const QString& caption);

    ReportPage page_;
    QVBoxLayout* layout_ = nullptr;
    QScrollArea* scroll_ = nullptr;
};

} // namespace payvanta::reports::qt
