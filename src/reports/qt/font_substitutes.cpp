#include "reports/qt/font_substitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QSet>

namespace payvanta::reports::qt {

QStringList installFontSubstitutes() {
    // One look at the installed families: asking for each face by name would have
    // fontconfig resolve aliases for every one, which costs more than the rest of start-up.
    QSet<QString> installed;
    for (const QString& f : QFontDatabase::families()) {
        installed.insert(f.toCaseFolded());
    }
    const auto has = [&installed](const QString& family) {
        return installed.contains(family.toCaseFolded());
    };
    QStringList substituted;
    for (const FontSubstitute& entry : kFontSubstitutes) {
        const QString family = QString::fromLatin1(entry.family);
        const QString substitute = QString::fromLatin1(entry.substitute);
        if (has(family) || !has(substitute)) {
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

} // namespace payvanta::reports::qt
