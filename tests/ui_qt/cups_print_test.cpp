// Printing on a real CUPS queue through the system printer target, loaded from its module
// as the program loads it, from the real main window. cups_print_test.sh runs this suite
// against a cupsd of its own, whose default queue Q is a cups-pdf printer: the pages come
// back as a PDF file, read back with poppler's tools.

#include "reports/qt/font_substitutes.h"
#include "support/event_waits.h"
#include "support/program_output.h"
#include "support/qt_test_main.h"
#include "support/window_test.h"
#include "system_printer.h"

#include <QAction>
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <memory>

using namespace payvanta;
using payvanta::test::outputOf;

class CupsPrintTest : public test::WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("CUPS_SERVER"),
                 "run through cups_print_test.sh, which starts the cupsd to print on");
        output = qEnvironmentVariable("CUPS_PDF_OUTPUT");
        reports::qt::installFontSubstitutes();
    }

    void init() {
        QVERIFY(startWindow());
        printer = app::loadSystemPrinter({QStringLiteral(PAYVANTA_PRINTER_MODULE_DIR)});
        QVERIFY2(printer != nullptr, "the module found no printer");
        window->form().setPrinting({printer.get(), {}});
        QVERIFY(openLadle());
    }

    void cleanup() {
        QCOMPARE(closeWindow(), QStringList());
        printer.reset();
    }

    void print_summary_and_print_all_come_out_of_the_queue_page_for_page() {
        if (output.isEmpty()) {
            QSKIP("cups-pdf writes files only under a cupsd started by root");
        }
        const Printout summary = printAndReadBack("mnuPrintSummary");
        QCOMPARE(summary.status, QStringLiteral("Printed on Q"));
        QVERIFY2(!summary.info.isEmpty(), "no file came out of the queue within a minute");
        QVERIFY2(summary.info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n"))),
                 qPrintable(summary.info));
        // The queue's page size, A4, not the US Letter of the PDF files.
        QVERIFY2(summary.info.contains(QLatin1String("595 x 842 pts (A4)")),
                 qPrintable(summary.info));
        QVERIFY2(
            summary.text.contains(QLatin1String("Savings Analysis Summary")) &&
                summary.text.contains(QRegularExpression(QStringLiteral("Total +\\$149,478\\.90"))),
            qPrintable(summary.text));

        const Printout all = printAndReadBack("mnuPrintAll");
        QCOMPARE(all.status, QStringLiteral("Printed on Q"));
        QVERIFY2(!all.info.isEmpty(), "no file came out of the queue within a minute");
        const QStringList pages = all.text.split(QLatin1Char('\f'));
        QCOMPARE(pages.size(), 8); // seven pages and what follows the last form feed
        QVERIFY2(pages[0].contains(QLatin1String("$149,478.90")), qPrintable(pages[0]));
        QVERIFY(!pages[0].contains(QLatin1String("Page 1 of 7")));
        for (int i = 1; i < 7; ++i) {
            QVERIFY2(pages[i].contains(QStringLiteral("Page %1 of 7").arg(i + 1)),
                     qPrintable(all.text));
        }
        QVERIFY(pages[6].contains(QLatin1String("Bridge Energy Savings Analysis")));
    }

    void a_job_the_queue_refuses_gets_the_printer_error_and_no_printed_status() {
        const QString rejected = outputOf(QStringLiteral("cupsreject"), {QStringLiteral("Q")});
        QVERIFY2(rejected.isEmpty(), qPrintable(rejected));
        trigger("mnuPrintSummary");
        QCOMPARE(window->statusBar()->currentMessage(), QString());
        QCOMPARE(boxes->messages,
                 QStringList{"Unable to print, the following error was encountered. \n\n"
                             "     Run time error 482 Printer error.\n\nHit OK to continue."});
        QCOMPARE(outputOf(QStringLiteral("lpstat"), {QStringLiteral("-o")}), QString());
    }

private:
    QSet<QString> pdfsWritten() const {
        const QStringList names = QDir(output).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        return {names.begin(), names.end()};
    }
    // What a print command left: the status shown, and the pdfinfo and text of the file
    // cups-pdf wrote for it once the queue finished the job (both empty when none came).
    struct Printout {
        QString status;
        QString info;
        QString text;
    };
    Printout printAndReadBack(const char* command);

    std::unique_ptr<reports::PrintTarget> printer;
    QString output; // where cups-pdf writes this user's jobs
};

CupsPrintTest::Printout CupsPrintTest::printAndReadBack(const char* command) {
    const QSet<QString> before = pdfsWritten();
    trigger(command);
    Printout printout{window->statusBar()->currentMessage(), {}, {}};
    QString file;
    const bool done = test::processEventsUntil(
        [&] {
            const QSet<QString> added = pdfsWritten() - before;
            if (added.size() != 1 ||
                !outputOf(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty()) {
                return false;
            }
            file = QDir(output).filePath(*added.begin());
            return true;
        },
        std::chrono::seconds(60));
    if (done) {
        printout.info = outputOf(QStringLiteral("pdfinfo"), {file});
        printout.text = outputOf(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), file, QStringLiteral("-")});
        QFile::remove(file);
    }
    return printout;
}

PAYVANTA_QTEST_MAIN(CupsPrintTest)
#include "cups_print_test.moc"
