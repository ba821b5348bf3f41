#include "model/qt/qt_locale.h"
#include "support/qt_test_main.h"
#include "support/window_test.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTest>

using namespace payvanta;

// payvanta-calc and the window show a project's four amounts alike in every locale: both
// take the conventions from Qt's locale data.
class LocaleAgreementTest : public test::WindowTest {
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(closeWindow(), QStringList()); }

    void the_summary_of_the_command_line_is_the_summary_of_the_window_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("kwHrRate");
        for (const char* locale : {"en_US", "de_DE", "fr_FR", "de_CH", "en_GB"}) {
            // The example's rate, and a rate below zero, which makes the energy and the total
            // amounts negative.
            QTest::addRow("%s", locale) << QString::fromLatin1(locale) << QString();
            QTest::addRow("%s negative", locale)
                << QString::fromLatin1(locale) << QStringLiteral("-1");
        }
    }

    void the_summary_of_the_command_line_is_the_summary_of_the_window() {
        QFETCH(QString, locale);
        QFETCH(QString, kwHrRate);
        ui::qt::MainWindow::Options options;
        options.locale = qt::localeConventions(QLocale(locale));
        QVERIFY(startWindow(options));
        QFile example(QStringLiteral(PAYVANTA_DATA_DIR "/examples/steel-mill-ladle-crane.QVR"));
        QVERIFY(example.open(QIODevice::ReadOnly));
        QByteArray bytes = example.readAll();
        if (!kwHrRate.isEmpty()) {
            const qsizetype at = bytes.indexOf("KwHrRate = ") + 11;
            bytes.replace(at, bytes.indexOf('\r', at) - at, kwHrRate.toLatin1());
        }
        const QString project = path("Crane.QVR");
        QFile file(project);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        QVERIFY(window->openProjectFile(project));
        const QStringList shown = windowSummary();
        QCOMPARE(calcSummary(locale, project), shown);
        QCOMPARE(shown[3].contains(u'-') || shown[3].startsWith(u'('), !kwHrRate.isEmpty());
    }

private:
    // The four amounts as payvanta-calc prints them ("  Energy       $41,582.02").
    QStringList calcSummary(const QString& locale, const QString& project);
    // The four amounts as the window shows them.
    QStringList windowSummary();
};

QStringList LocaleAgreementTest::calcSummary(const QString& locale, const QString& project) {
    QProcess calc;
    calc.start(QStringLiteral(PAYVANTA_CALC),
               {QStringLiteral("--folder"), path(""), QStringLiteral("--locale"), locale, project});
    if (!calc.waitForFinished(30000) || calc.exitCode() != 0) {
        return {QStringLiteral("payvanta-calc failed: ") + calc.readAllStandardError()};
    }
    QStringList amounts;
    const QStringList lines = QString::fromUtf8(calc.readAllStandardOutput()).split(u'\n');
    for (const QString& line : lines.mid(1, 4)) {
        amounts << line.mid(15); // after "  Maintenance  "
    }
    return amounts;
}

QStringList LocaleAgreementTest::windowSummary() {
    QStringList amounts;
    for (const char* name :
         {"lblSummaryEnergy", "lblSumaryMaintenance", "lblSummaryInventory", "lblSummaryTotal"}) {
        amounts << find<QLabel>(QString::fromLatin1(name))->text();
    }
    return amounts;
}

PAYVANTA_QTEST_MAIN(LocaleAgreementTest)
#include "locale_agreement_test.moc"
