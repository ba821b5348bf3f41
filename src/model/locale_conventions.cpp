#include "locale_conventions.h"

#include <array>

namespace payvanta {

namespace {

struct NamedLocale {
    std::string_view name;
    std::string_view decimalPoint;
    std::string_view groupSeparator;
    std::string_view currencySymbol;
    std::string_view positivePattern;
    std::string_view negativePattern;
    std::string_view shortDate;
    std::string_view longTime;
};

// A no-break space groups digits in several European locales; a typed plain space is
// accepted in its place when reading.
constexpr std::string_view kNbsp = "\u00A0";

constexpr std::array<NamedLocale, 16> kLocales{{
    {"en_US", ".", ",", "$", "$n", "($n)", "M/d/yyyy", "h:mm:ss AP"},
    {"en_CA", ".", ",", "$", "$n", "-$n", "yyyy-MM-dd", "h:mm:ss AP"},
    {"en_GB", ".", ",", "\u00A3", "$n", "-$n", "dd/MM/yyyy", "HH:mm:ss"},
    {"en_AU", ".", ",", "$", "$n", "-$n", "d/M/yyyy", "h:mm:ss AP"},
    {"en_IE", ".", ",", "\u20AC", "$n", "-$n", "dd/MM/yyyy", "HH:mm:ss"},
    {"de_DE", ",", ".", "\u20AC", "n $", "-n $", "dd.MM.yyyy", "HH:mm:ss"},
    {"de_AT", ",", ".", "\u20AC", "$ n", "-$ n", "dd.MM.yyyy", "HH:mm:ss"},
    {"de_CH", ".", "'", "CHF", "$ n", "$-n", "dd.MM.yyyy", "HH:mm:ss"},
    {"fr_FR", ",", kNbsp, "\u20AC", "n $", "-n $", "dd/MM/yyyy", "HH:mm:ss"},
    {"fr_CA", ",", kNbsp, "$", "n $", "-n $", "yyyy-MM-dd", "HH:mm:ss"},
    {"es_ES", ",", ".", "\u20AC", "n $", "-n $", "dd/MM/yyyy", "H:mm:ss"},
    {"es_MX", ".", ",", "$", "$n", "-$n", "dd/MM/yyyy", "H:mm:ss"},
    {"it_IT", ",", ".", "\u20AC", "n $", "-n $", "dd/MM/yyyy", "HH:mm:ss"},
    {"nl_NL", ",", ".", "\u20AC", "$ n", "$ -n", "dd-MM-yyyy", "HH:mm:ss"},
    {"pt_BR", ",", ".", "R$", "$ n", "-$ n", "dd/MM/yyyy", "HH:mm:ss"},
    {"sv_SE", ",", kNbsp, "kr", "n $", "-n $", "yyyy-MM-dd", "HH:mm:ss"},
}};

LocaleConventions fromNamed(const NamedLocale& l) {
    LocaleConventions c;
    c.decimalPoint = l.decimalPoint;
    c.groupSeparator = l.groupSeparator;
    c.currencySymbol = l.currencySymbol;
    c.positiveCurrencyPattern = l.positivePattern;
    c.negativeCurrencyPattern = l.negativePattern;
    c.shortDatePattern = l.shortDate;
    c.longTimePattern = l.longTime;
    return c;
}

} // namespace

LocaleConventions LocaleConventions::unitedStates() {
    return fromNamed(kLocales[0]);
}

LocaleConventions LocaleConventions::german() {
    return fromNamed(kLocales[5]);
}

std::optional<LocaleConventions> LocaleConventions::byName(std::string_view name) {
    // Drop an encoding or modifier ("de_DE.UTF-8", "de_DE@euro").
    const auto cut = name.find_first_of(".@");
    if (cut != std::string_view::npos) {
        name = name.substr(0, cut);
    }
    // Nothing left ("", ".", "@"): no locale is named, so none is guessed.
    if (name.empty()) {
        return std::nullopt;
    }
    if (name == "C" || name == "POSIX" || name == "en") {
        return unitedStates();
    }
    std::string normal(name);
    if (normal.size() == 5 && normal[2] == '-') {
        normal[2] = '_';
    }
    for (const auto& l : kLocales) {
        if (l.name == normal) {
            return fromNamed(l);
        }
    }
    return std::nullopt;
}

} // namespace payvanta
