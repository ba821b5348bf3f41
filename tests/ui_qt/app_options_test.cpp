#include "app_options.h"
#include "support/qt_test_main.h"

#include <QTest>

using payvanta::app::parseAppOptions;

class AppOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void an_empty_argument_names_no_project() {
        // As a later copy hands it over: the working folder is no project file.
        QCOMPARE(parseAppOptions({QString()}, QStringLiteral("/srv/cranes")).projectFile,
                 QString());
        const auto options =
            parseAppOptions({QString(), QStringLiteral("--no-splash"), QStringLiteral("Mill.QVR")},
                            QStringLiteral("/srv/cranes"));
        QCOMPARE(options.projectFile, QStringLiteral("/srv/cranes/Mill.QVR"));
        QVERIFY(options.noSplash && options.error.isEmpty());
    }
};

PAYVANTA_QTEST_MAIN(AppOptionsTest)
#include "app_options_test.moc"
