#include "print_font.h"

namespace payvanta {

std::size_t ApplyPrintFont(ProjectRecord& record) {
    // The order of the tests; the 10, 11 and 12 point sizes are never taken from a file.
    constexpr std::array<std::size_t, 5> kAcceptedOnLoad{1, 2, 6, 7, 0};
    for (std::size_t i : kAcceptedOnLoad) {
        const auto& choice = kPrintFontChoices[i];
        if (record.printFontName() == choice.fontName &&
            record.printFontSize() == choice.fontSize) {
            return i;
        }
    }
    const auto& fallback = kPrintFontChoices[kDefaultPrintFont];
    record.setPrintFont(fallback.fontName, fallback.fontSize);
    return kDefaultPrintFont;
}

} // namespace payvanta
