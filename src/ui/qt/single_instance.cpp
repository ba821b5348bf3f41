#include "ui/qt/single_instance.h"

#include "ui/qt/hand_over_message.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace payvanta::ui::qt {

namespace {

QString instanceFolder(const QString& folder) {
    if (!folder.isEmpty()) {
        return folder;
    }
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// On Unix the server is a socket file: keep it in the same per-user folder as the lock,
// not in the shared temporary folder where another user's copy could hold the name.
QString serverPathFor(const QString& folder, const QString& serverName) {
#ifdef Q_OS_UNIX
    return QDir(folder).filePath(serverName);
#else
    Q_UNUSED(folder);
    return serverName;
#endif
}

int remainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(qMax<qint64>(0, deadline.remainingTime()));
}

// The running copy may hold the lock a moment before it listens: try again until the
// time is up.
bool connectWithin(QLocalSocket& socket, const QString& serverPath,
                   const QDeadlineTimer& deadline) {
    constexpr unsigned long kRetryPauseMs = 50;
    for (;;) {
        socket.connectToServer(serverPath);
        if (socket.waitForConnected(remainingMs(deadline))) {
            return true;
        }
        socket.abort();
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(qMin<unsigned long>(kRetryPauseMs, remainingMs(deadline)));
    }
}

} // namespace

SingleInstance::SingleInstance(SingleInstanceNames names, QObject* parent) : QObject(parent) {
    const QString folder = instanceFolder(names.folder);
    lockFilePath_ = QDir(folder).filePath(names.lockName);
    serverPath_ = serverPathFor(folder, names.serverName);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim() {
    if (!claimLock()) {
        return false;
    }
    listen();
    return true;
}

bool SingleInstance::claimLock() {
    if (first_) {
        return true;
    }
    QDir().mkpath(QFileInfo(lockFilePath_).absolutePath());
    auto lock = std::make_unique<QLockFile>(lockFilePath_);
    // The first copy holds the lock for the whole run: only a dead owner makes it stale,
    // never its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError) {
            return false;
        }
        qWarning("Cannot write the lock file %ls; running without the single-copy rule",
                 qUtf16Printable(lockFilePath_));
    } else {
        lock_ = std::move(lock);
    }
    first_ = true;
    return true;
}

void SingleInstance::listen() {
    if (!first_ || server_ != nullptr) {
        return;
    }
    // A copy that crashed leaves its socket file behind; holding the lock, it is ours.
    QLocalServer::removeServer(serverPath_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    if (!server_->listen(serverPath_)) {
        qWarning("Cannot listen on %ls: %ls; later copies will end without handing over",
                 qUtf16Printable(serverPath_), qUtf16Printable(server_->errorString()));
    }
}

bool SingleInstance::handOver(const QStringList& arguments, std::chrono::milliseconds timeout) {
    const QDeadlineTimer deadline(timeout);
    QLocalSocket socket;
    if (!connectWithin(socket, serverPath_, deadline)) {
        return false;
    }
    socket.write(encodeHandOver({arguments, QDir::currentPath()}));
    if (!socket.waitForBytesWritten(remainingMs(deadline))) {
        return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(remainingMs(deadline))) {
            return false;
        }
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kHandOverReceived;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket] { receiveHandOver(socket); });
        // Bytes may have arrived before the connection was taken.
        if (socket->bytesAvailable() > 0) {
            receiveHandOver(socket);
        }
    }
}

void SingleInstance::receiveHandOver(QLocalSocket* socket) {
    bool malformed = false;
    const std::optional<HandOverMessage> message = readHandOverMessage(*socket, malformed);
    if (malformed) {
        socket->abort();
        return;
    }
    if (!message) {
        return;
    }
    // Confirm first: the receiver may open a project and keep the later copy waiting.
    socket->putChar(kHandOverReceived);
    socket->flush();
    socket->disconnectFromServer();
    emit commandLineReceived(message->arguments, message->workingFolder);
}

} // namespace payvanta::ui::qt
