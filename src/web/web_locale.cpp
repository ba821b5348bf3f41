#include "web_locale.h"

#include <string>

namespace payvanta::web {

LocaleConventions localeConventionsOf(const emscripten::val& conventions) {
    LocaleConventions locale = LocaleConventions::unitedStates();
    if (conventions.isNull() || conventions.isUndefined()) {
        return locale;
    }
    struct Named {
        const char* name;
        std::string LocaleConventions::*member;
        bool (*usable)(const std::string&);
    };
    const auto any = [](const std::string&) { return true; };
    const auto notEmpty = [](const std::string& s) { return !s.empty(); };
    const auto withDigits = [](const std::string& s) { return s.find('n') != std::string::npos; };
    const Named named[] = {
        {"decimalPoint", &LocaleConventions::decimalPoint, notEmpty},
        {"groupSeparator", &LocaleConventions::groupSeparator, any},
        {"negativeSign", &LocaleConventions::negativeSign, notEmpty},
        {"currencySymbol", &LocaleConventions::currencySymbol, any},
        {"positiveCurrencyPattern", &LocaleConventions::positiveCurrencyPattern, withDigits},
        {"negativeCurrencyPattern", &LocaleConventions::negativeCurrencyPattern, withDigits},
        {"shortDatePattern", &LocaleConventions::shortDatePattern, notEmpty},
        {"longTimePattern", &LocaleConventions::longTimePattern, notEmpty},
    };
    for (const Named& n : named) {
        const emscripten::val value = conventions[n.name];
        if (value.isString()) {
            const auto text = value.as<std::string>();
            if (n.usable(text)) {
                locale.*n.member = text;
            }
        }
    }
    return locale;
}

} // namespace payvanta::web
