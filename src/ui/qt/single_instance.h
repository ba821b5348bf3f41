#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace payvanta::ui::qt {

// Where a running copy of the program is found. The defaults are the program's fixed
// names; tests pass their own names and folder so that they never meet a real copy.
struct SingleInstanceNames {
    QString lockName = QStringLiteral("STRAQVR_APPLICATION_MUTEX");
    QString serverName = QStringLiteral("STRAQVR_APPLICATION");
    // Empty: the user's runtime folder, so that each user runs their own copy.
    QString folder;
};

// One copy of the program per user. The first copy holds a lock file and listens on a
// local server; a later copy finds the lock taken, hands its command line to the running
// copy over a local socket and ends.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kHandOverTimeout{5000};

    explicit SingleInstance(SingleInstanceNames names = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and starts listening. True when this is the first copy (also when the
    // lock cannot be written at all: better two copies than none). A lock left behind by a
    // copy that crashed is taken over. The lock is held until this object goes.
    bool claim();
    // The two halves of claim(): the program takes the lock at once and starts listening
    // once its window shows. A later copy keeps trying to connect meanwhile.
    bool claimLock();
    void listen();
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
    void acceptConnections();
    void receiveHandOver(QLocalSocket* socket);

    QString lockFilePath_;
    QString serverPath_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    bool first_ = false;
};

} // namespace payvanta::ui::qt
