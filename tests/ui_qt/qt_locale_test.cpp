#include "model/number_text.h"
#include "model/qt/qt_locale.h"
#include "support/qt_test_main.h"

#include <QTest>

namespace numbers = payvanta::numbers;
using payvanta::qt::localeConventions;
using payvanta::qt::localeConventionsNamed;

class QtLocaleTest : public QObject {
    Q_OBJECT

private slots:
    void a_locale_gives_its_separators_and_money_form() {
        // Locale, decimal separator, group separator, -1234567.5 as money. French groups with
        // a narrow no-break space; C stands for the United States.
        const std::tuple<const char*, std::string, std::string, std::string> cases[] = {
            {"en_US", ".", ",", "($1,234,567.50)"},
            {"de_DE", ",", ".", "-1.234.567,50\u00A0\u20AC"},
            {"fr_FR", ",", "\u202F", "(1\u202F234\u202F567,50\u00A0\u20AC)"},
            {"C", ".", ",", "($1,234,567.50)"}};
        for (const auto& [name, decimalPoint, groupSeparator, money] : cases) {
            const auto c = localeConventions(QLocale(QString::fromLatin1(name)));
            QCOMPARE(c.decimalPoint, decimalPoint);
            QCOMPARE(c.groupSeparator, groupSeparator);
            QCOMPARE(numbers::format(-1234567.5, numbers::kCurrency, c), money);
            // What is shown reads back, and so does a number grouped as shown.
            QCOMPARE(numbers::parse(money, c).value_or(0), -1234567.5);
            QCOMPARE(
                numbers::parse("12" + groupSeparator + "345" + decimalPoint + "5", c).value_or(0),
                12345.5);
        }
    }

    void a_name_qt_knows_gives_its_locale_and_any_other_name_none() {
        // Name, 1234.5 as money in its locale ("" for none).
        const std::pair<const char*, std::string> cases[] = {
            {"C", "$1,234.50"},
            {"POSIX", "$1,234.50"},
            {"en", "$1,234.50"},
            {"en_US.UTF-8", "$1,234.50"},
            {"de-DE", "1.234,50\u00A0\u20AC"},
            {"de_DE.UTF-8@euro", "1.234,50\u00A0\u20AC"},
            {"de_CH", "1\u2019234.50\u00A0CHF"},
            {"en_GB", "\u00A31,234.50"},
            {"", ""},
            {".UTF-8", ""},
            {"@euro", ""},
            {"xx_YY", ""},
            {"de_XX", ""},
            {"Deutsch", ""},
        };
        for (const auto& [name, money] : cases) {
            const auto c = localeConventionsNamed(name);
            QVERIFY2(c.has_value() == !money.empty(), name);
            if (c) {
                const std::string shown = numbers::format(1234.5, numbers::kCurrency, *c);
                QVERIFY2(shown == money,
                         qPrintable(QString::fromLatin1(name) + QStringLiteral(": ") +
                                    QString::fromStdString(shown)));
            }
        }
    }
};

PAYVANTA_QTEST_MAIN(QtLocaleTest)
#include "qt_locale_test.moc"
