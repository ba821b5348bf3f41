// The number reader: any text read as a number in three locales, and what it reads shown
// again in the forms the screens use.
#include "fuzz_locales.h"
#include "model/number_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace payvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const LocaleConventions locales[] = {LocaleConventions::unitedStates(), fuzzLocale("."),
                                                fuzzLocale("\u00A0")};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const LocaleConventions& locale : locales) {
        if (const auto value = numbers::parse(text, locale)) {
            numbers::plain(*value, locale);
            numbers::format(*value, numbers::kCurrency, locale);
            numbers::format(*value, "##,##0.000", locale);
        }
        numbers::loadedNumberText(numbers::fileNumberText(text, locale), locale);
    }
    return 0;
}
