#include "print_font.h"

namespace payvanta {

std::size_t applyPrintFont(ProjectRecord& record) {
    // Every choice of the menu comes back as it was saved; the 10, 11 and 12 point sizes
    // too, which would otherwise be lost each time the project is opened again.
    for (std::size_t i = 0; i < kPrintFontChoices.size(); ++i) {
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
