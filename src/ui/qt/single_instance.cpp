#include "ui/qt/single_instance.h"

#include "ui/qt/hand_over_message.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace payvanta::ui::qt {

namespace {

using namespace std::chrono_literals;

// How often the first copy looks whether its server still listens.
constexpr auto kListeningCheck = 1s;

QString instanceFolder(const QString& folder) {
    if (!folder.isEmpty()) {
        return folder;
    }
    // Without XDG_RUNTIME_DIR Qt would make up a folder itself, or none at all when
    // another user holds that name: ours is named with the user id.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty()) {
            return runtime;
        }
    }
#ifdef Q_OS_UNIX
    return QDir(QDir::tempPath()).filePath(QStringLiteral("payvanta-%1").arg(::geteuid()));
#else
    return QDir::tempPath();
#endif
}

// Why the folder cannot hold the lock and the socket, or nothing: it must be a folder
// (not a link to one) that the user owns and nobody else may enter. Made so when missing.
QString privateFolderProblem(const QString& folder) {
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    if (!S_ISDIR(st.st_mode)) {
        return QStringLiteral("it is not a folder");
    }
    if (st.st_uid != ::geteuid()) {
        return QStringLiteral("it belongs to another user");
    }
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        return QStringLiteral("other users may enter it");
    }
    return {};
#else
    QDir().mkpath(folder);
    return {};
#endif
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

SingleInstance::SingleInstance(SingleInstanceNames names, QObject* parent)
    : QObject(parent), folder_(instanceFolder(names.folder)) {
    lockFilePath_ = QDir(folder_).filePath(names.lockName);
    serverPath_ = serverPathFor(folder_, names.serverName);
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
    if (const QString problem = privateFolderProblem(folder_); !problem.isEmpty()) {
        qWarning("The folder %ls cannot hold the single-copy lock (%ls); running without the "
                 "single-copy rule",
                 qUtf16Printable(folder_), qUtf16Printable(problem));
        first_ = true;
        return true;
    }
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
    // Only the holder of the lock may answer for the program.
    if (!lock_ || server_ != nullptr) {
        return;
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    listenAgainIfClosed();
    // Qt's server closes for good when it cannot take a connection (when the program has
    // no descriptor left, say), and tells nobody: look now and then.
    auto* check = new QTimer(this);
    check->setTimerType(Qt::VeryCoarseTimer);
    connect(check, &QTimer::timeout, this, &SingleInstance::listenAgainIfClosed);
    check->start(kListeningCheck);
}

void SingleInstance::listenAgainIfClosed() {
    if (server_->isListening()) {
        return;
    }
    // A copy that crashed, or the server that closed, leaves its socket file behind;
    // holding the lock, it is ours.
    QLocalServer::removeServer(serverPath_);
    if (server_->listen(serverPath_)) {
        notListeningReported_ = false;
        return;
    }
    if (!notListeningReported_) {
        notListeningReported_ = true;
        qWarning("Cannot listen on %ls: %ls; later copies will start on their own",
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
        if (connections_ >= kMaxConnections) {
            // A flood: turned away at once, so that it holds no descriptor of ours.
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++connections_;
        connect(socket, &QObject::destroyed, this, [this] { --connections_; });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket] { receiveHandOver(socket); });
        QTimer::singleShot(kReadDeadline, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
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
