// The single-copy hand-over message: any bytes as they reach the running copy. A message
// that is read must read the same once written again.
#include "ui/qt/hand_over_message.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using payvanta::ui::qt::HandOverMessage;

namespace {

std::optional<HandOverMessage> read(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    bool malformed = false;
    return payvanta::ui::qt::readHandOverMessage(buffer, malformed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto message =
        read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (message) {
        const auto again = read(payvanta::ui::qt::encodeHandOver(*message));
        if (!again || again->arguments != message->arguments ||
            again->workingFolder != message->workingFolder) {
            std::abort();
        }
    }
    return 0;
}
