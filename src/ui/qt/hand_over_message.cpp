#include "ui/qt/hand_over_message.h"

#include <QDataStream>
#include <QIODevice>

namespace payvanta::ui::qt {

namespace {

// "PVQ1": tells our messages apart from anything else that finds the socket.
constexpr quint32 kMagic = 0x50565131;
// A command line is a few paths; anything larger is not one of ours.
constexpr qint64 kLargestMessage = 1 << 20;
constexpr auto kStreamVersion = QDataStream::Qt_6_0;

} // namespace

QByteArray encodeHandOver(const HandOverMessage& message) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << kMagic << message.workingFolder << message.arguments;
    return bytes;
}

std::optional<HandOverMessage> readHandOverMessage(QIODevice& device, bool& malformed) {
    malformed = false;
    if (device.bytesAvailable() > kLargestMessage) {
        malformed = true;
        return std::nullopt;
    }
    QDataStream in(&device);
    in.setVersion(kStreamVersion);
    in.startTransaction();
    quint32 magic = 0;
    in >> magic;
    if (in.status() == QDataStream::Ok && magic != kMagic) {
        in.abortTransaction();
        malformed = true;
        return std::nullopt;
    }
    HandOverMessage message;
    in >> message.workingFolder >> message.arguments;
    if (!in.commitTransaction()) {
        malformed = in.status() == QDataStream::ReadCorruptData;
        return std::nullopt;
    }
    return message;
}

} // namespace payvanta::ui::qt
