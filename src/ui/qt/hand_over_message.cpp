#include "ui/qt/hand_over_message.h"

#include <QDataStream>
#include <QIODevice>

namespace payvanta::ui::qt {

namespace {

// "PVQ2": tells our messages apart from anything else that finds the socket.
constexpr quint32 kMagic = 0x50565132;
constexpr qint64 kHeaderBytes = 8; // the mark and the length
constexpr auto kStreamVersion = QDataStream::Qt_6_0;
// The smallest text in the stream: its length alone.
constexpr quint32 kSmallestText = 4;

// The arguments, read one by one: Qt's own list reading reserves room for as many
// entries as the count claims, however few bytes follow.
bool readArguments(QDataStream& in, qint64 payloadBytes, QStringList& arguments) {
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > payloadBytes / kSmallestText) {
        return false;
    }
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString argument;
        in >> argument;
        arguments.append(argument);
    }
    return in.status() == QDataStream::Ok;
}

} // namespace

QByteArray encodeHandOver(const HandOverMessage& message) {
    QByteArray payload;
    QDataStream body(&payload, QIODevice::WriteOnly);
    body.setVersion(kStreamVersion);
    body << message.workingFolder << message.arguments;

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << kMagic << static_cast<quint32>(payload.size());
    return bytes + payload;
}

std::optional<HandOverMessage> readHandOverMessage(QIODevice& device, bool& malformed) {
    malformed = false;
    if (device.bytesAvailable() < kHeaderBytes) {
        return std::nullopt;
    }
    QDataStream header(device.peek(kHeaderBytes));
    header.setVersion(kStreamVersion);
    quint32 magic = 0;
    quint32 length = 0;
    header >> magic >> length;
    if (magic != kMagic || length > kLargestHandOver) {
        malformed = true;
        return std::nullopt;
    }
    if (device.bytesAvailable() < kHeaderBytes + length) {
        return std::nullopt;
    }
    device.skip(kHeaderBytes);
    const QByteArray payload = device.read(length);
    QDataStream in(payload);
    in.setVersion(kStreamVersion);
    HandOverMessage message;
    in >> message.workingFolder;
    if (!readArguments(in, payload.size(), message.arguments) || !in.atEnd()) {
        malformed = true;
        return std::nullopt;
    }
    return message;
}

} // namespace payvanta::ui::qt
