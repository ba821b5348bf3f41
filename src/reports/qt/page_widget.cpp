#include "page_widget.h"

#include "chart_painter.h"
#include "logo.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace payvanta::reports::qt {

namespace {

QString toQt(const std::string& text) {
    QString out = QString::fromStdString(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

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

} // namespace

QFont screenFont(bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

PageWidget::PageWidget(const ReportPage& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QString::fromStdString(std::string(formName(page.form))));
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    setPalette(paper);
    setFixedSize(sizeHint());
    for (const ReportItem& item : page_.items) {
        placeItem(item);
    }
}

QSize PageWidget::sizeHint() const {
    return {page_.width / kTwipsPerPixel, page_.height / kTwipsPerPixel};
}

void PageWidget::placeItem(const ReportItem& item) {
    const QString name =
        QString::fromUtf8(item.name.data(), static_cast<qsizetype>(item.name.size()));
    if (item.kind == ItemKind::Button) {
        auto* button = new QPushButton(toQt(item.text), this);
        button->setObjectName(name);
        button->setGeometry(pixels(item));
        button->setAutoDefault(false);
        return;
    }
    if (item.kind != ItemKind::Label && item.kind != ItemKind::Field) {
        return; // painted
    }
    auto* label = new QLabel(toQt(item.text), this);
    label->setObjectName(name);
    label->setFont(screenFont(item.bold));
    label->setAlignment(alignmentOf(item.align));
    label->setWordWrap(item.height > 2 * 255);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(item.kind == ItemKind::Field ? Qt::StrongFocus : Qt::NoFocus);
    label->setAccessibleName(item.kind == ItemKind::Field ? name : label->text());
    // A text wider than its box is shown whole: the box grows away from its alignment.
    QRect box = pixels(item);
    if (!label->wordWrap()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
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
    label->setGeometry(box);
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
