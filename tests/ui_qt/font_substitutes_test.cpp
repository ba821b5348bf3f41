#include "support/qt_test_main.h"
#include "reports/qt/font_substitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

using payvanta::reports::qt::installFontSubstitutes;

class FontSubstitutesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void a_missing_face_resolves_to_its_liberation_face_data();
    void a_missing_face_resolves_to_its_liberation_face();
    void installing_twice_changes_nothing();

private:
    QStringList substituted_;
};

void FontSubstitutesTest::initTestCase() {
    substituted_ = installFontSubstitutes();
}

void FontSubstitutesTest::a_missing_face_resolves_to_its_liberation_face_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("liberation");
    QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                   << "Liberation Sans";
    QTest::newRow("Arial") << "Arial"
                           << "Liberation Sans";
    QTest::newRow("Times New Roman") << "Times New Roman"
                                     << "Liberation Serif";
    QTest::newRow("Courier New") << "Courier New"
                                 << "Liberation Mono";
}

void FontSubstitutesTest::a_missing_face_resolves_to_its_liberation_face() {
    QFETCH(QString, family);
    QFETCH(QString, liberation);
    if (QFontDatabase::hasFamily(family)) {
        QSKIP("the face itself is installed here");
    }
    QVERIFY2(QFontDatabase::hasFamily(liberation), "fonts-liberation is not installed");
    QVERIFY(substituted_.contains(family));
    // Qt keeps substitutes in lower case.
    QCOMPARE(QFont::substitute(family), liberation.toLower());
    QCOMPARE(QFontInfo(QFont(family, 10)).family(), liberation);
    QFont bold(family, 12);
    bold.setBold(true);
    QCOMPARE(QFontInfo(bold).family(), liberation);
}

void FontSubstitutesTest::installing_twice_changes_nothing() {
    const QStringList before = QFont::substitutes(QStringLiteral("MS Sans Serif"));
    installFontSubstitutes();
    QCOMPARE(QFont::substitutes(QStringLiteral("MS Sans Serif")), before);
}

PAYVANTA_QTEST_MAIN(FontSubstitutesTest)
#include "font_substitutes_test.moc"
