#include "qt_locale.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <cmath>

namespace payvanta::qt {

namespace {

// The pattern of a currency text: "$" where the symbol stands, "n" for the digits.
std::string currencyPattern(const QLocale& locale, double sample) {
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    QString text = locale.toCurrencyString(sample, symbol, 2);
    const QString digits = locale.toString(std::abs(sample), 'f', 2);
    text.replace(digits, QStringLiteral("n"));
    if (!symbol.isEmpty()) {
        text.replace(symbol, QStringLiteral("$"));
    }
    text.replace(locale.negativeSign(), QStringLiteral("-"));
    return text.toStdString();
}

// Qt's date and time formats in the patterns the reports use: a four-digit year, and the
// time without its zone.
std::string shortDatePattern(const QLocale& locale) {
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    if (!pattern.contains(QStringLiteral("yyyy"))) {
        pattern.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    return pattern.toStdString();
}

std::string longTimePattern(const QLocale& locale) {
    QString pattern = locale.timeFormat(QLocale::LongFormat);
    pattern.remove(QLatin1Char('t'));
    pattern.replace(QStringLiteral("ap"), QStringLiteral("AP"));
    return pattern.trimmed().toStdString();
}

} // namespace

LocaleConventions localeConventions(const QLocale& locale) {
    if (locale.language() == QLocale::C ||
        (locale.language() == QLocale::English && locale.territory() == QLocale::UnitedStates)) {
        return LocaleConventions::unitedStates();
    }
    LocaleConventions c;
    c.decimalPoint = locale.decimalPoint().toStdString();
    c.groupSeparator = locale.groupSeparator().toStdString();
    c.negativeSign = locale.negativeSign().toStdString();
    c.currencySymbol = locale.currencySymbol(QLocale::CurrencySymbol).toStdString();
    c.positiveCurrencyPattern = currencyPattern(locale, 1234.5);
    c.negativeCurrencyPattern = currencyPattern(locale, -1234.5);
    c.shortDatePattern = shortDatePattern(locale);
    c.longTimePattern = longTimePattern(locale);
    // A pattern that lost its digits (an unusual locale) falls back to the plain forms.
    if (c.positiveCurrencyPattern.find('n') == std::string::npos) {
        c.positiveCurrencyPattern = "$n";
    }
    if (c.negativeCurrencyPattern.find('n') == std::string::npos) {
        c.negativeCurrencyPattern = "-$n";
    }
    return c;
}

std::optional<QLocale> localeNamed(std::string_view name) {
    // Drop an encoding or modifier ("de_DE.UTF-8", "de_DE@euro").
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty()) {
        return std::nullopt;
    }
    if (name == "C" || name == "POSIX") {
        return QLocale::c();
    }
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    const QLocale locale(text);
    // Qt gives the C locale for a name whose language it does not know, and the language's
    // main territory for a territory it does not know: neither is the locale asked for.
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) {
        return std::nullopt;
    }
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[_-]")));
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const bool territory = part.size() == 2 || (part.size() == 3 && part[0].isDigit());
        if (territory && QLocale::codeToTerritory(part) == QLocale::AnyTerritory) {
            return std::nullopt;
        }
    }
    return locale;
}

std::optional<LocaleConventions> localeConventionsNamed(std::string_view name) {
    const auto locale = localeNamed(name);
    if (!locale) {
        return std::nullopt;
    }
    return localeConventions(*locale);
}

} // namespace payvanta::qt
