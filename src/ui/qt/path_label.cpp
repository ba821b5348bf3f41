#include "ui/qt/path_label.h"

#include <QPainter>
#include <QStyle>

namespace payvanta::ui::qt {

namespace {

constexpr int kHintChars = 40;
constexpr int kMinimumChars = 12;

} // namespace

PathLabel::PathLabel(QWidget* parent) : QLabel(parent) {
    // A file may be called "<b>.qvr": show names as they are.
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void PathLabel::setPath(const QString& path) {
    setText(path);
    setToolTip(path);
}

QSize PathLabel::sizeHint() const {
    const int frame = 2 * (frameWidth() + margin());
    return {fontMetrics().averageCharWidth() * kHintChars + frame,
            fontMetrics().height() + frame + fontMetrics().height() / 2};
}

QSize PathLabel::minimumSizeHint() const {
    const QSize hint = sizeHint();
    return {fontMetrics().averageCharWidth() * kMinimumChars, hint.height()};
}

void PathLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    const int inset = fontMetrics().averageCharWidth() / 2 + margin();
    const QRect area = contentsRect().adjusted(inset, 0, -inset, 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown, foregroundRole());
}

} // namespace payvanta::ui::qt
