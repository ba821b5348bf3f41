#pragma once

#include "reports/report_page.h"

#include <QWidget>

namespace payvanta::reports::qt {

// Twips per pixel on screen at 100 %: a page of 10800 twips is 720 pixels wide.
inline constexpr int kTwipsPerPixel = 15;

// The face and size a page shows on screen.
QFont screenFont(bool bold = false);

// The sheet a page is laid out on: its rules, frames and logo are painted; each label,
// value and button is a child widget placed at the item's place.
class PageWidget : public QWidget {
    Q_OBJECT

public:
    explicit PageWidget(const ReportPage& page, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeItem(const ReportItem& item);

    const ReportPage& page_;
};

} // namespace payvanta::reports::qt
