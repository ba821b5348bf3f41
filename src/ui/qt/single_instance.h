#pragma once

#include "ui/qt/local_socket.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>

class QSocketNotifier;

namespace payvanta::ui::qt {

class HandOverConnection;
class LockFile;

// Where a running copy of the program is found. The defaults are the program's fixed
// names; tests pass their own names and folder so that they never meet a real copy.
struct SingleInstanceNames {
    QString lockName = QStringLiteral("STRAQVR_APPLICATION_MUTEX");
    QString serverName = QStringLiteral("STRAQVR_APPLICATION");
    // Empty: the user's runtime folder, so that each user runs their own copy; without
    // one, a folder of the user's own in the temporary folder, named with the user id.
    QString folder;
};

// One copy of the program per user. The first copy holds a lock file and listens on a
// local socket; a later copy finds the lock taken, hands its command line to the running
// copy over a local socket and ends. Both live in a folder that must be the user's own
// (owned by the user, closed to everyone else); in any other folder a stranger could
// pose as the running copy, so there the program runs without the single-copy rule.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kHandOverTimeout{5000};
    // A later copy sends its few bytes at once: one that takes longer is dropped, and
    // at most this many are heard at the same time.
    static constexpr std::chrono::milliseconds kReadDeadline{2000};
    static constexpr int kMaxConnections = 8;
    // The object of each connection being heard, a child of this one.
    static constexpr const char* kConnectionName = "handOverConnection";

    explicit SingleInstance(SingleInstanceNames names = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and starts listening. True when this is the first copy (also when the
    // lock cannot be written at all or the folder is not the user's own: better two copies
    // than none). A lock left behind by a copy that crashed is taken over. The lock is
    // held until this object goes.
    bool claim();
    // The two halves of claim(): the program takes the lock at once and starts listening
    // once its window shows. A later copy keeps trying to connect meanwhile. Listening
    // goes on for the whole run: when the socket file goes, or the program runs out of
    // descriptors for a while, it listens again.
    bool claimLock();
    void listen();
    bool holdsLock() const { return lock_ != nullptr; }
    bool isFirst() const { return first_; }

    // For a later copy, after claim() said no: hands the arguments (without the program
    // name) and the working folder to the running copy, waiting at most `timeout` in all.
    // True once the running copy has confirmed them.
    bool handOver(const QStringList& arguments,
                  std::chrono::milliseconds timeout = kHandOverTimeout);

    QString lockFilePath() const { return lockFilePath_; }
    QString serverPath() const { return serverPath_; }

signals:
    // A later copy was started with these arguments in this working folder.
    void commandLineReceived(const QStringList& arguments, const QString& workingFolder);

private:
    void listenAgainIfClosed();
    void acceptConnections();
    void receiveHandOver(HandOverConnection& connection);

    QString folder_;
    QString lockFilePath_;
    QString serverPath_;
    std::unique_ptr<LockFile> lock_;
    bool listening_ = false;
    SocketHandle server_;
    FileIdentity serverFile_;
    QSocketNotifier* serverNotifier_ = nullptr;
    bool notListeningReported_ = false;
    int connections_ = 0;
    bool first_ = false;
};

} // namespace payvanta::ui::qt
