#include "reports/qt/font_substitutes.h"
#include "support/qt_test_main.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

using payvanta::reports::qt::installFontSubstitutes;

class FontSubstitutesTest : public QObject {
    Q_OBJECT

private slots:
    void a_missing_face_resolves_to_its_liberation_face_and_installing_twice_changes_nothing() {
        const QStringList substituted = installFontSubstitutes();
        const std::pair<QString, QString> faces[] = {{"MS Sans Serif", "Liberation Sans"},
                                                     {"Arial", "Liberation Sans"},
                                                     {"Times New Roman", "Liberation Serif"},
                                                     {"Courier New", "Liberation Mono"}};
        for (const auto& [family, liberation] : faces) {
            if (QFontDatabase::hasFamily(family)) {
                continue; // the face itself is installed here
            }
            QVERIFY2(QFontDatabase::hasFamily(liberation), "fonts-liberation is not installed");
            QVERIFY(substituted.contains(family));
            QCOMPARE(QFont::substitute(family), liberation.toLower()); // Qt keeps lower case
            QFont bold(family, 12);
            bold.setBold(true);
            QCOMPARE(QFontInfo(QFont(family, 10)).family(), liberation);
            QCOMPARE(QFontInfo(bold).family(), liberation);
        }
        const QStringList before = QFont::substitutes(QStringLiteral("MS Sans Serif"));
        installFontSubstitutes();
        QCOMPARE(QFont::substitutes(QStringLiteral("MS Sans Serif")), before);
    }
};

PAYVANTA_QTEST_MAIN(FontSubstitutesTest)
#include "font_substitutes_test.moc"
