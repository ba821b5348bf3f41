#include "ui/qt/single_instance.h"

#include "ui/qt/hand_over_message.h"
#include "ui/qt/lock_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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
    return QDir(QDir::tempPath()).filePath(QStringLiteral("payvanta-%1").arg(::geteuid()));
}

// Why the folder cannot hold the lock and the socket, or nothing: it must be a folder
// (not a link to one) that the user owns and nobody else may enter. Made so when missing.
QString privateFolderProblem(const QString& folder) {
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
}

// The running copy may hold the lock a moment before it listens: try again until the
// time is up.
SocketHandle connectWithin(const std::string& serverPath,
                           std::chrono::steady_clock::time_point deadline) {
    constexpr auto kRetryPause = 50ms;
    for (;;) {
        if (SocketResult connected = connectTo(serverPath); connected.socket.valid()) {
            return std::move(connected.socket);
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            return {};
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kRetryPause, deadline - now));
    }
}

} // namespace

// A later copy being heard: its socket and the bytes it has sent so far.
class HandOverConnection : public QObject {
public:
    HandOverConnection(SocketHandle socket, QObject* parent)
        : QObject(parent), socket_(std::move(socket)),
          notifier_(new QSocketNotifier(socket_.get(), QSocketNotifier::Read, this)) {
        setObjectName(QLatin1String(SingleInstance::kConnectionName));
    }
    // The notifier goes before its descriptor is closed.
    ~HandOverConnection() override { delete notifier_; }
    HandOverConnection(const HandOverConnection&) = delete;
    HandOverConnection& operator=(const HandOverConnection&) = delete;

    QSocketNotifier* notifier() const { return notifier_; }
    int socket() const { return socket_.get(); }
    QByteArray& received() { return received_; }
    // Heard no more; the object goes once control is back in the event loop.
    void drop() {
        notifier_->setEnabled(false);
        deleteLater();
    }

private:
    SocketHandle socket_;
    QSocketNotifier* notifier_;
    QByteArray received_;
};

SingleInstance::SingleInstance(SingleInstanceNames names, QObject* parent)
    : QObject(parent), folder_(instanceFolder(names.folder)) {
    lockFilePath_ = QDir(folder_).filePath(names.lockName);
    // A socket file in the same per-user folder as the lock, not in the shared temporary
    // folder where another user's copy could hold the name.
    serverPath_ = QDir(folder_).filePath(names.serverName);
}

SingleInstance::~SingleInstance() {
    delete serverNotifier_;
    // The socket file goes with the copy that listens on it; one that is no longer ours
    // stays.
    const std::string path = QFile::encodeName(serverPath_).toStdString();
    if (server_.valid() && socketFileAt(path) == serverFile_) {
        ::unlink(path.c_str());
    }
}

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
    LockFile::Attempt attempt = LockFile::take(QFile::encodeName(lockFilePath_).toStdString());
    switch (attempt.outcome) {
    case LockFile::Outcome::HeldElsewhere:
        return false;
    case LockFile::Outcome::Failed:
        qWarning("Cannot lock the file %ls (%s); running without the single-copy rule",
                 qUtf16Printable(lockFilePath_), std::strerror(attempt.error));
        break;
    case LockFile::Outcome::Taken:
        lock_ = std::move(attempt.lock);
        break;
    }
    first_ = true;
    return true;
}

void SingleInstance::listen() {
    // Only the holder of the lock may answer for the program.
    if (!lock_ || listening_) {
        return;
    }
    listening_ = true;
    listenAgainIfClosed();
    // A socket file may be removed under a running program (a clean-up of the runtime
    // folder), and accepting stops while the program has no descriptor left: look now
    // and then.
    auto* check = new QTimer(this);
    check->setTimerType(Qt::VeryCoarseTimer);
    connect(check, &QTimer::timeout, this, &SingleInstance::listenAgainIfClosed);
    check->start(kListeningCheck);
}

void SingleInstance::listenAgainIfClosed() {
    const std::string path = QFile::encodeName(serverPath_).toStdString();
    if (server_.valid() && socketFileAt(path) == serverFile_) {
        serverNotifier_->setEnabled(true);
        return;
    }
    delete serverNotifier_;
    serverNotifier_ = nullptr;
    server_.reset();
    // A copy that crashed leaves its socket file behind; holding the lock, it is ours.
    SocketResult listening = listenOn(path);
    if (!listening.socket.valid()) {
        if (!notListeningReported_) {
            notListeningReported_ = true;
            qWarning("Cannot listen on %ls: %s; later copies will start on their own",
                     qUtf16Printable(serverPath_), std::strerror(listening.error));
        }
        return;
    }
    notListeningReported_ = false;
    server_ = std::move(listening.socket);
    serverFile_ = socketFileAt(path);
    serverNotifier_ = new QSocketNotifier(server_.get(), QSocketNotifier::Read, this);
    connect(serverNotifier_, &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
}

bool SingleInstance::handOver(const QStringList& arguments, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const SocketHandle socket =
        connectWithin(QFile::encodeName(serverPath_).toStdString(), deadline);
    if (!socket.valid()) {
        return false;
    }
    const QByteArray message = encodeHandOver({arguments, QDir::currentPath()});
    return exchange(socket.get(), {message.constData(), static_cast<std::size_t>(message.size())},
                    deadline) == static_cast<unsigned char>(kHandOverReceived);
}

void SingleInstance::acceptConnections() {
    for (;;) {
        SocketResult accepted = acceptNext(server_.get());
        if (!accepted.socket.valid()) {
            if (accepted.error == EMFILE || accepted.error == ENFILE || accepted.error == ENOBUFS ||
                accepted.error == ENOMEM) {
                // The waiting copy stays queued; the next look takes it.
                serverNotifier_->setEnabled(false);
            }
            return;
        }
        if (connections_ >= kMaxConnections) {
            continue; // a flood: turned away at once, holding no descriptor of ours
        }
        ++connections_;
        auto* connection = new HandOverConnection(std::move(accepted.socket), this);
        connect(connection, &QObject::destroyed, this, [this] { --connections_; });
        connect(connection->notifier(), &QSocketNotifier::activated, connection,
                [this, connection] { receiveHandOver(*connection); });
        // A later copy sends its few bytes at once: one that takes longer is dropped.
        QTimer::singleShot(kReadDeadline, connection, [connection] { connection->drop(); });
    }
}

void SingleInstance::receiveHandOver(HandOverConnection& connection) {
    char bytes[4096];
    const ssize_t got = ::recv(connection.socket(), bytes, sizeof bytes, MSG_DONTWAIT);
    if (got < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
        return;
    }
    if (got <= 0) { // gone before its message was whole, or a fault
        connection.drop();
        return;
    }
    connection.received().append(bytes, got);
    QBuffer buffer(&connection.received());
    buffer.open(QIODevice::ReadOnly);
    bool malformed = false;
    const std::optional<HandOverMessage> message = readHandOverMessage(buffer, malformed);
    if (!message && !malformed) {
        return; // more to come
    }
    if (message) {
        // Confirm first: the receiver may open a project and keep the later copy waiting.
        const char answer = kHandOverReceived;
        (void)::send(connection.socket(), &answer, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    }
    connection.drop();
    if (message) {
        emit commandLineReceived(message->arguments, message->workingFolder);
    }
}

} // namespace payvanta::ui::qt
