#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class QIODevice;

namespace payvanta::ui::qt {

// What a later copy of the program tells the running copy.
struct HandOverMessage {
    QStringList arguments;
    QString workingFolder;
};

// The running copy answers a complete message with this one byte.
inline constexpr char kHandOverReceived = '\x06';

// A command line is a few paths; a message that announces more is not one of ours.
inline constexpr qint64 kLargestHandOver = 1 << 20;

// The message: a mark of ours and the length of what follows, then the working folder and
// the arguments. The length comes first so that the receiver reads the rest only once it
// has all of it.
QByteArray encodeHandOver(const HandOverMessage& message);

// Reads one message from a socket as its bytes arrive. Empty while the message is still
// incomplete (nothing is consumed then); `malformed` is set when the bytes are not ours.
std::optional<HandOverMessage> readHandOverMessage(QIODevice& device, bool& malformed);

} // namespace payvanta::ui::qt
