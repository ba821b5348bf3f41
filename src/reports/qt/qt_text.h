#pragma once

#include <QString>
#include <string_view>

namespace payvanta::reports::qt {

// A text of the program (UTF-8) as Qt holds it.
inline QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Texts are built with CR LF line breaks; Qt's widgets break lines at LF.
inline QString withLineFeeds(std::string_view text) {
    QString out = toQt(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

} // namespace payvanta::reports::qt
