#include "ui/qt/font_substitutes.h"

#include <QFont>
#include <QFontDatabase>

namespace payvanta::ui::qt {

QStringList installFontSubstitutes() {
    QStringList substituted;
    for (const FontSubstitute& entry : kFontSubstitutes) {
        const QString family = QString::fromLatin1(entry.family);
        const QString substitute = QString::fromLatin1(entry.substitute);
        if (QFontDatabase::hasFamily(family) || !QFontDatabase::hasFamily(substitute)) {
            continue;
        }
        // First in line: fontconfig's own fallback for an unknown face is usually a
        // face of other widths.
        QStringList substitutes = QFont::substitutes(family);
        substitutes.removeAll(substitute);
        substitutes.prepend(substitute);
        QFont::removeSubstitutions(family);
        QFont::insertSubstitutions(family, substitutes);
        substituted << family;
    }
    return substituted;
}

} // namespace payvanta::ui::qt
