#include "page_widget.h"

#include "reports/qt/chart_painter.h"
#include "reports/qt/logo.h"
#include "reports/qt/qt_text.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace payvanta::reports::qt {

namespace {

QRect pixels(const ReportItem& item) {
    return {item.left / kTwipsPerPixel, item.top / kTwipsPerPixel, item.width / kTwipsPerPixel,
            item.height / kTwipsPerPixel};
}

Qt::Alignment alignmentOf(Align align) {
    switch (align) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void showButton(QPushButton& button, const ReportItem& item) {
    button.setText(withLineFeeds(item.text));
    button.setGeometry(pixels(item));
}

// The item's text, font and place on its label. The text is set only when it changed, so
// that a selection in it stays.
void showLabel(QLabel& label, const ReportItem& item) {
    const QString text = withLineFeeds(item.text);
    if (label.text() != text) {
        label.setText(text);
    }
    label.setFont(screenFont(item.bold));
    label.setAlignment(alignmentOf(item.align));
    label.setWordWrap(item.height > 2 * 255);
    label.setAccessibleName(item.kind == ItemKind::Field ? label.objectName() : text);
    // A text wider than its box is shown whole: the box grows away from its alignment.
    QRect box = pixels(item);
    if (!label.wordWrap()) {
        const int needed = label.fontMetrics().horizontalAdvance(text) + 2;
        if (needed > box.width()) {
            const int extra = needed - box.width();
            if (item.align == Align::Right) {
                box.setLeft(box.left() - extra);
            } else if (item.align == Align::Center) {
                box.adjust(-extra / 2, 0, extra - extra / 2, 0);
            } else {
                box.setWidth(needed);
            }
        }
    }
    label.setGeometry(box);
}

} // namespace

QFont screenFont(bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

PageWidget::PageWidget(const ReportPage& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QString::fromStdString(std::string(formName(page_.form))));
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    setPalette(paper);
    setFixedSize(sizeHint());
    widgets_.reserve(page_.items.size());
    for (const ReportItem& item : page_.items) {
        widgets_.push_back(makeWidget(item));
    }
}

bool PageWidget::showInPlace(const ReportPage& page) {
    const auto sameItem = [](const ReportItem& a, const ReportItem& b) {
        return a.name == b.name && a.kind == b.kind;
    };
    if (page.form != page_.form || !std::equal(page.items.begin(), page.items.end(),
                                               page_.items.begin(), page_.items.end(), sameItem)) {
        return false;
    }
    page_ = page;
    setFixedSize(sizeHint());
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        if (auto* label = qobject_cast<QLabel*>(widgets_[i])) {
            showLabel(*label, page_.items[i]);
        } else if (auto* button = qobject_cast<QPushButton*>(widgets_[i])) {
            showButton(*button, page_.items[i]);
        }
    }
    update(); // the rules, frames and charts
    return true;
}

QSize PageWidget::sizeHint() const {
    return {page_.width / kTwipsPerPixel, page_.height / kTwipsPerPixel};
}

QWidget* PageWidget::makeWidget(const ReportItem& item) {
    const QString name =
        QString::fromUtf8(item.name.data(), static_cast<qsizetype>(item.name.size()));
    if (item.kind == ItemKind::Button) {
        auto* button = new QPushButton(this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        showButton(*button, item);
        return button;
    }
    if (item.kind != ItemKind::Label && item.kind != ItemKind::Field) {
        return nullptr; // painted
    }
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(item.kind == ItemKind::Field ? Qt::StrongFocus : Qt::NoFocus);
    showLabel(*label, item);
    return label;
}

void PageWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    for (const ReportItem& item : page_.items) {
        const QRect box = pixels(item);
        switch (item.kind) {
        case ItemKind::Rule:
            painter.drawLine(box.topLeft(), box.topLeft() + QPoint(box.width(), box.height()));
            break;
        case ItemKind::Frame:
            painter.drawRect(box);
            break;
        case ItemKind::Picture:
            drawLogo(painter, QRectF(box));
            break;
        case ItemKind::Chart:
            if (item.chart) {
                drawChart(painter, *item.chart, QRectF(box), screenFont());
            }
            break;
        default:
            break;
        }
    }
}

} // namespace payvanta::reports::qt
