// The style's own paints of Fusion's group box frame and of long scroll bars come out
// pixel for pixel as Fusion's, and start none of Qt's painting threads.
#include "support/qt_test_main.h"
#include "ui/qt/group_box_frame.h"
#include "ui/qt/painted_icons_style.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <memory>

using payvanta::ui::qt::drawGroupBoxFrame;
using payvanta::ui::qt::PaintedIconsStyle;

namespace {

// The threads of this process, as Linux counts them: a pool thread, once started, stays
// for half a minute.
int threadCount() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("Threads:")) {
            return line.mid(8).trimmed().toInt();
        }
    }
    return -1;
}

// The frame as Fusion's image has it, drawn the plain way: two smoothed rounded outlines
// over a faint shade.
void drawFrameThePlainWay(QPainter* painter, const QRect& frame) {
    const QRectF outline = QRectF(frame).adjusted(1.5, 1.5, -0.5, -0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->fillRect(outline.adjusted(0.5, 0.5, -0.5, -0.5), QColor(0, 0, 0, 0x03));
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QColor(0, 0, 0, 0x04));
    painter->drawRoundedRect(outline.adjusted(1, 1, -1, -1), 1, 1);
    painter->setPen(QColor(0x75, 0x75, 0x75, 0x32));
    painter->drawRoundedRect(outline, 1.3, 1.3);
    painter->restore();
}

QImage canvas(QImage::Format format, const QColor& background) {
    QImage image(640, 480, format);
    image.fill(background);
    return image;
}

// Where two pictures first differ, for the failure message.
QString firstDifference(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return QStringLiteral("(%1, %2): %3 against %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16)
                    .arg(b.pixel(x, y), 8, 16);
            }
        }
    }
    return QString();
}

// A scroll bar painted by the style given, on a transparent picture of its size. As in a
// window, where the widgets over it cut its region, the region has a few holes.
QImage paintedBar(QStyle* style, Qt::Orientation orientation, QSize size, int value) {
    QScrollBar bar(orientation);
    bar.setStyle(style);
    bar.setRange(0, 400);
    bar.setPageStep(120);
    bar.setValue(value);
    bar.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QRegion region(bar.rect());
    for (int hole = 0; hole < 3; ++hole) {
        region -= QRect(QPoint(size.width() * (hole + 1) / 4, size.height() * (hole + 1) / 4),
                        QSize(2, 2));
    }
    bar.render(&image, QPoint(), region);
    return image;
}

} // namespace

class PaintedStyleTest : public QObject {
    Q_OBJECT

private slots:
    // First, before anything here has painted the plain way, which does start them.
    void tall_frames_and_long_scroll_bars_start_no_painting_threads() {
        PaintedIconsStyle style;
        QCOMPARE(style.baseStyle()->name().toLower(), QStringLiteral("fusion"));
        const int before = threadCount();
        QVERIFY(before > 0);
        QImage image = canvas(QImage::Format_ARGB32_Premultiplied, Qt::white);
        {
            QPainter painter(&image);
            drawGroupBoxFrame(&painter, QRect(4, 4, 600, 460));
            // Two widgets in the frame, which cut each of its rows in three.
            painter.setClipRegion(QRegion(image.rect())
                                      .subtracted(QRegion(40, 20, 200, 400))
                                      .subtracted(QRegion(300, 10, 200, 440)));
            drawGroupBoxFrame(&painter, QRect(4, 4, 600, 460));
        }
        paintedBar(&style, Qt::Vertical, QSize(14, 450), 100);
        paintedBar(&style, Qt::Horizontal, QSize(553, 14), 90);
        QCOMPARE(threadCount(), before);
    }

    void a_frame_comes_out_as_the_plain_one_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<int>("format");
        QTest::addColumn<QColor>("background");
        const QColor window = QApplication::palette().window().color();
        const QList<QRect> frames = {
            QRect(0, 0, 560, 373), QRect(3, 7, 212, 96), QRect(10, 5, 97, 400),
            QRect(0, 0, 400, 13),  QRect(0, 0, 13, 300), QRect(2, 2, 11, 11),
            QRect(0, 0, 6, 6),     QRect(5, 9, 3, 40),   QRect(1, 1, 14, 14),
        };
        for (const QRect& frame : frames) {
            const QString size = QStringLiteral("%1x%2 at %3,%4")
                                     .arg(frame.width())
                                     .arg(frame.height())
                                     .arg(frame.x())
                                     .arg(frame.y());
            QTest::newRow(qPrintable(size + QStringLiteral(", on the window")))
                << frame << int(QImage::Format_RGB32) << window;
            QTest::newRow(qPrintable(size + QStringLiteral(", on nothing")))
                << frame << int(QImage::Format_ARGB32_Premultiplied) << QColor(Qt::transparent);
        }
    }

    void a_frame_comes_out_as_the_plain_one() {
        QFETCH(QRect, frame);
        QFETCH(int, format);
        QFETCH(QColor, background);
        QImage plain = canvas(QImage::Format(format), background);
        QImage ours = plain;
        {
            QPainter painter(&plain);
            drawFrameThePlainWay(&painter, frame);
        }
        {
            QPainter painter(&ours);
            drawGroupBoxFrame(&painter, frame);
        }
        QVERIFY2(ours == plain, qPrintable(firstDifference(ours, plain)));
    }

    void a_long_scroll_bar_comes_out_as_fusion_paints_it_data() {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("value");
        QTest::newRow("vertical, at the top") << int(Qt::Vertical) << QSize(14, 373) << 0;
        QTest::newRow("vertical, midway") << int(Qt::Vertical) << QSize(14, 373) << 190;
        QTest::newRow("vertical, at the end, rows not a whole band")
            << int(Qt::Vertical) << QSize(16, 301) << 400;
        QTest::newRow("horizontal, wide") << int(Qt::Horizontal) << QSize(553, 14) << 90;
        QTest::newRow("horizontal, at the end") << int(Qt::Horizontal) << QSize(300, 16) << 400;
    }

    void a_long_scroll_bar_comes_out_as_fusion_paints_it() {
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QFETCH(int, value);
        PaintedIconsStyle style;
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        const QImage ours = paintedBar(&style, Qt::Orientation(orientation), size, value);
        const QImage plain = paintedBar(fusion.get(), Qt::Orientation(orientation), size, value);
        QVERIFY2(ours == plain, qPrintable(firstDifference(ours, plain)));
    }
};

PAYVANTA_QTEST_MAIN(PaintedStyleTest)
#include "painted_style_test.moc"
