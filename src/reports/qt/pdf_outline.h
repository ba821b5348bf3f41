#pragma once

#include "reports/print_target.h"

#include <QByteArray>
#include <optional>

namespace payvanta::reports::qt {

// The PDF that Qt wrote, with an incremental update appended: the outline of the
// document's sections, each pointing at its first page, and the author and subject in
// the document's information. Qt's PDF writer has no outline of its own; the update leaves
// every byte Qt wrote as it was. Nothing when the PDF is not laid out as Qt writes it.
std::optional<QByteArray> withDocumentInfo(const QByteArray& pdf, const DocumentInfo& info);

} // namespace payvanta::reports::qt
