#include "reports/qt/chart_painter.h"
#include "reports/qt/font_substitutes.h"
#include "reports/qt/page_painter.h"
#include "reports/qt/pdf_target.h"
#include "support/modal_dialogs.h"
#include "support/program_output.h"
#include "support/qt_test_main.h"
#include "support/scripted_boxes.h"
#include "support/temp_folder.h"
#include "support/window_test.h"
#include "ui/qt/main_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

using namespace payvanta;
using payvanta::test::ModalWatchdog;
using payvanta::test::outputOf;
using payvanta::test::ScriptedBoxes;
using payvanta::ui::qt::MainWindow;

namespace {

// The font size of the words of each page, read from the height of their boxes: in the
// Liberation faces a word's box is about 1.15 times the size in points.
std::vector<int> pageFontSizes(const QString& pdf) {
    const QString boxes =
        outputOf(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    std::vector<int> sizes;
    static const char* const kWord =
        R"re(<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">)re";
    static const QRegularExpression word(QString::fromLatin1(kWord));
    for (const QString& page : boxes.split(QStringLiteral("<page ")).mid(1)) {
        std::vector<double> heights;
        for (auto it = word.globalMatch(page); it.hasNext();) {
            const auto m = it.next();
            heights.push_back(m.captured(2).toDouble() - m.captured(1).toDouble());
        }
        std::nth_element(heights.begin(), heights.begin() + static_cast<long>(heights.size() / 2),
                         heights.end());
        sizes.push_back(heights.empty() ? 0 : qRound(heights[heights.size() / 2] / 1.15));
    }
    return sizes;
}

} // namespace

// Printing through the PDF target from the real main window, the output read back with
// poppler's tools.
class PrintPdfTest : public test::WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { reports::qt::installFontSubstitutes(); }

    void init() {
        QVERIFY(startWindow());
        printouts = QString::fromStdString((folder->path() / "Printouts").string());
        printer = reports::qt::PdfTarget::inFolder(printouts.toStdString());
        window->form().setPrinting({printer.get(), [](const std::string& path) {
                                        return std::unique_ptr<reports::PrintTarget>(
                                            reports::qt::PdfTarget::toFile(path));
                                    }});
        QVERIFY(openLadle());
    }

    void cleanup() {
        QCOMPARE(closeWindow(), QStringList());
        printer.reset();
    }

    void print_all_writes_the_seven_pages_in_order_with_their_labels_and_values() {
        trigger("mnuPrintAll");
        const QString pdf = pdfIn(printouts);
        QVERIFY2(QFileInfo(pdf).fileName().startsWith(QLatin1String("Ladle - Print All - ")),
                 qPrintable(pdf));
        QVERIFY(outputOf(QStringLiteral("pdfinfo"), {pdf})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+7\n"))));
        const QString text = outputOf(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        const QStringList pages = text.split(QLatin1Char('\f'));
        QCOMPARE(pages.size(), 8); // seven pages and what follows the last form feed
        QVERIFY(!pages[0].contains(QLatin1String("Page 1 of 7")));
        QVERIFY(pages[0].contains(QLatin1String("$149,478.90")));
        const QStringList titles{"Energy Savings Analysis Summary",
                                 "Maintenance Labor Savings",
                                 "Inventory Savings",
                                 "Hoist Energy Savings Analysis",
                                 "Trolley Energy Savings Analysis",
                                 "Bridge Energy Savings Analysis"};
        for (int i = 1; i < 7; ++i) {
            QVERIFY2(pages[i].contains(titles[i - 1]), qPrintable(titles[i - 1]));
            QVERIFY(pages[i].contains(QStringLiteral("Page %1 of 7").arg(i + 1)));
        }
        QVERIFY(pages[2].contains(QRegularExpression(
            QStringLiteral("Annual Maintenance Labor Savings Estimate = +\\$1,596\\.88"))));
        QVERIFY(!text.contains(QLatin1String("Print Form")));
        const QString fonts = outputOf(QStringLiteral("pdffonts"), {pdf});
        QVERIFY2(fonts.contains(QRegularExpression(
                     QStringLiteral("LiberationSans +CID TrueType +Identity-H +yes"))),
                 qPrintable(fonts));
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Saved ") + pdf);
    }

    void each_page_prints_in_the_print_font_up_to_its_cap() {
        trigger("mnuFont(5)"); // Arial 12
        trigger("mnuPrintAll");
        const std::vector<int> sizes = pageFontSizes(pdfIn(printouts));
        QCOMPARE(sizes, (std::vector<int>{12, 8, 10, 9, 8, 10, 10}));
    }

    void a_project_name_too_long_for_a_pdf_name_is_told_by_the_folder() {
        // 230 bytes and ".QVR" make a file name; with " - Print All - " and the time, no PDF's.
        const QString project =
            QString::fromStdString((folder->path() / (std::string(230, 'L') + ".QVR")).string());
        QVERIFY(QFile::copy(path("Ladle.QVR"), project));
        window.reset();
        window = std::make_unique<MainWindow>(MainWindow::Options{{}, folder->path(), {}, {}, {}},
                                              *boxes);
        window->form().setPrinting({printer.get(), {}});
        QVERIFY(window->openProjectFile(project));
        trigger("mnuPrintAll");
        QCOMPARE(boxes->messages, QStringList{QStringLiteral("The PDF could not be written to %1: "
                                                             "File name too long.")
                                                  .arg(printouts)});
        QVERIFY(QDir(printouts).entryList(QDir::Files).isEmpty());
    }

    void save_as_pdf_replaces_a_link_not_what_it_points_at_and_refuses_a_fifo() {
        const std::filesystem::path mine = folder->path() / "notes.txt";
        const std::filesystem::path link = folder->path() / "link.pdf";
        const std::filesystem::path fifo = folder->path() / "fifo.pdf";
        test::writeBytes(mine, "kept");
        std::filesystem::create_symlink(mine, link);
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        std::filesystem::path chosen;
        QString suggested;
        window->setPdfChooser([&](QWidget*, const QString& suggestion) {
            suggested = suggestion;
            return std::optional<QString>(QString::fromStdString(chosen.string()));
        });
        chosen = link;
        trigger("mnuSaveAsPdf");
        QVERIFY(suggested.endsWith(QLatin1String(".pdf")));
        QCOMPARE(test::readBytes(mine), std::string("kept"));
        QVERIFY(std::filesystem::is_regular_file(std::filesystem::symlink_status(link)));
        QVERIFY(outputOf(QStringLiteral("pdfinfo"), {QString::fromStdString(link.string())})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+7\n"))));
        chosen = fifo;
        trigger("mnuSaveAsPdf");
        QCOMPARE(boxes->messages, QStringList{QString::fromStdString(
                                      "The PDF could not be written to " + fifo.string() +
                                      ": it is not a regular file.")});
        QVERIFY(std::filesystem::is_fifo(std::filesystem::symlink_status(fifo)));
    }

    void save_proposal_suggests_its_name_and_writes_the_sheets() {
        const QString file = QString::fromStdString((folder->path() / "proposal.pdf").string());
        QString suggested;
        window->setPdfChooser([&](QWidget*, const QString& suggestion) {
            suggested = suggestion;
            return std::optional<QString>(file);
        });
        trigger("mnuSaveProposal");
        QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("Ladle - Proposal.pdf"));
        QVERIFY(outputOf(QStringLiteral("pdfinfo"), {file})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+11\n"))));
    }

    void the_painter_draws_the_framed_total_and_the_logo_on_an_image() {
        const reports::ReportPage savings = window->form().reportPage(reports::ReportForm::Savings);
        const reports::PrintPage page = reports::printedSummary(savings, {"Arial", 8, false});
        QImage image(QSize(9000, 12000) / 15, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        reports::qt::paintPage(painter, page, 15.0);
        painter.end();
        // The top edge of the frame around the total, and some ink in the logo.
        QCOMPARE(image.pixelColor((6000 + 700) / 15, (5500 - 50) / 15), QColor(Qt::black));
        int ink = 0;
        for (int x = 3500 / 15; x < (3500 + 3150) / 15; ++x) {
            for (int y = 1000 / 15; y < (1000 + 675) / 15; ++y) {
                ink += image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
            }
        }
        QVERIFY(ink > 200);
    }

    void the_business_case_prints_from_its_window_with_its_charts() {
        test::ExpectedModal report([](QDialog& d, QString&) {
            d.findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
            d.findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
        });
        trigger("mnuBusinessCase");
        QCOMPARE(report.failures(), QString());
        const QString pdf = pdfIn(printouts);
        QVERIFY2(QFileInfo(pdf).fileName().startsWith(QLatin1String("Ladle - BusinessCase - ")),
                 qPrintable(pdf));
        const QString text = outputOf(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        for (const char* shown : {"Retrofit Business Case", "$149,478.90", "504,636 kWh",
                                  "Yearly Savings by Kind and Motion", "Inventory",
                                  "Cumulative Cash Flow over the Life", "no cost entered"}) {
            QVERIFY2(text.contains(QLatin1String(shown)), shown);
        }
    }

    void a_chart_on_an_image_has_its_bars_in_the_order_of_their_values() {
        reports::Chart chart;
        chart.title = "Yearly Savings";
        chart.series = {"Energy", "Maintenance", "Inventory"};
        const std::vector<double> values{300, 100, 200, 50, -80};
        for (std::size_t i = 0; i < values.size(); ++i) {
            chart.bars.push_back({"bar", "$", values[i], static_cast<int>(i % 3)});
        }
        for (const double v : reports::axisSteps(-80, 300, 4)) {
            chart.valueTicks.push_back({v, "$"});
        }
        QImage image(600, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const auto shapes = reports::qt::drawChart(painter, chart, QRectF(0, 0, 600, 400),
                                                   QFont(QStringLiteral("Liberation Sans"), 8));
        painter.end();
        QCOMPARE(shapes.bars.size(), values.size());
        // The height painted in the bar's colour through its middle, read off the image.
        std::vector<int> painted;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const QPoint mid = shapes.bars[i].center().toPoint();
            const QColor colour = reports::qt::seriesColour(static_cast<int>(i % 3));
            int top = mid.y();
            int bottom = mid.y();
            while (top > 0 && image.pixelColor(mid.x(), top - 1) == colour) {
                --top;
            }
            while (bottom < image.height() - 1 && image.pixelColor(mid.x(), bottom + 1) == colour) {
                ++bottom;
            }
            painted.push_back(image.pixelColor(mid) == colour ? bottom - top + 1 : 0);
        }
        QVERIFY2(painted[0] > painted[2] && painted[2] > painted[1] && painted[1] > painted[4] &&
                     painted[4] > painted[3] && painted[3] > 0,
                 qPrintable(QString::number(painted[0]) + " " + QString::number(painted[1])));
        // The negative bar hangs below the others' foot, which is the zero line.
        QVERIFY(shapes.bars[4].top() >= shapes.bars[0].bottom() - 1);
    }

private:
    QString pdfIn(const QString& folder) const {
        const QStringList found = QDir(folder).entryList({QStringLiteral("*.pdf")});
        return found.size() == 1 ? QDir(folder).filePath(found.first()) : QString();
    }

    std::unique_ptr<reports::PrintTarget> printer;
    QString printouts;
};

PAYVANTA_QTEST_MAIN(PrintPdfTest)
#include "print_pdf_test.moc"
