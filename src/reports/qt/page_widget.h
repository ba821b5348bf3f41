#pragma once

#include "reports/report_page.h"

#include <QWidget>
#include <vector>

namespace payvanta::reports::qt {

// Twips per pixel on screen at 100 %: a page of 10800 twips is 720 pixels wide.
inline constexpr int kTwipsPerPixel = 15;

// The face and size a page shows on screen.
QFont screenFont(bool bold = false);

// The sheet a page is laid out on: its rules, frames and logo are painted; each label,
// value and button is a child widget placed at the item's place. The sheet keeps its own
// copy of the page, so that it never paints one that has been replaced.
class PageWidget : public QWidget {
    Q_OBJECT

public:
    explicit PageWidget(const ReportPage& page, QWidget* parent = nullptr);

    // Shows the page on this sheet when it has the same items, by name and kind in the same
    // order: each widget takes its item's new text and place, and none is made or deleted,
    // so that the focus, a click under way and a selection in a text that did not change
    // all stay. False, with nothing changed, when the items differ.
    bool showInPlace(const ReportPage& page);

    QSize sizeHint() const override;

    // The first value in reading order, where the focus starts; null on a page without.
    QWidget* firstValue() const { return firstValue_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* makeWidget(const ReportItem& item);
    // Names each value by its caption and text, and orders the Tab key by reading order.
    void nameValues();

    ReportPage page_;
    // The widget of each item of the page, in the same order; null where it is painted.
    std::vector<QWidget*> widgets_;
    QWidget* firstValue_ = nullptr;
};

} // namespace payvanta::reports::qt
