#include "model/number_text.h"
#include "support/qt_test_main.h"
#include "ui/qt/qt_locale.h"

#include <QTest>

namespace numbers = payvanta::numbers;

class QtLocaleTest : public QObject {
    Q_OBJECT

private slots:
    void a_locale_gives_its_separators_and_money_form();
};

void QtLocaleTest::a_locale_gives_its_separators_and_money_form() {
    // Locale, decimal separator, group separator, -1234567.5 as money. French groups with
    // a narrow no-break space; C stands for the United States.
    const std::tuple<const char*, std::string, std::string, std::string> cases[] = {
        {"en_US", ".", ",", "($1,234,567.50)"},
        {"de_DE", ",", ".", "-1.234.567,50\u00A0\u20AC"},
        {"fr_FR", ",", "\u202F", "(1\u202F234\u202F567,50\u00A0\u20AC)"},
        {"C", ".", ",", "($1,234,567.50)"}};
    for (const auto& [name, decimalPoint, groupSeparator, money] : cases) {
        const auto c = payvanta::ui::qt::localeConventions(QLocale(QString::fromLatin1(name)));
        QCOMPARE(c.decimalPoint, decimalPoint);
        QCOMPARE(c.groupSeparator, groupSeparator);
        QCOMPARE(numbers::format(-1234567.5, numbers::kCurrency, c), money);
        // What is shown reads back, and so does a number grouped as shown.
        QCOMPARE(numbers::parse(money, c).value_or(0), -1234567.5);
        QCOMPARE(numbers::parse("12" + groupSeparator + "345" + decimalPoint + "5", c).value_or(0),
                 12345.5);
    }
}

PAYVANTA_QTEST_MAIN(QtLocaleTest)
#include "qt_locale_test.moc"
