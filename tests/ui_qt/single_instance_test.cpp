#include "app_options.h"
#include "support/event_waits.h"
#include "support/qt_test_main.h"
#include "ui/qt/hand_over_message.h"
#include "ui/qt/single_instance.h"

#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using payvanta::ui::qt::SingleInstance;
using payvanta::ui::qt::SingleInstanceNames;

namespace {

constexpr int kProcessWaitMs = 15000;

QString canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        names_ = SingleInstanceNames{QStringLiteral("test_lock"), QStringLiteral("test_server"),
                                     folder_->path()};
    }

    void cleanup() { folder_.reset(); }

    void the_lock_is_free_again_once_the_first_copy_is_gone() {
        {
            SingleInstance first(names_);
            QVERIFY(first.claim());
        }
        QVERIFY(!QFile::exists(QDir(names_.folder).filePath(names_.lockName)));
        SingleInstance next(names_);
        QVERIFY(next.claim());
    }

    void a_lock_held_for_hours_by_a_running_copy_is_not_taken_over() {
        SingleInstance first(names_);
        QVERIFY(first.claim());
        QVERIFY(first.isFirst());
        QFile lockFile(first.lockFilePath());
        QVERIFY(lockFile.open(QIODevice::ReadOnly));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-5 * 3600),
                                     QFileDevice::FileModificationTime));

        SingleInstance later(names_);
        QVERIFY(!later.claim());
        QVERIFY(!later.isFirst());
        QVERIFY(QFile::exists(first.lockFilePath()));
    }

    void a_later_copy_hands_its_command_line_to_the_running_copy_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no arguments: only raise the window") << QStringList{};
        QTest::newRow("a project file") << QStringList{QStringLiteral("Mill 7.QVR")};
        QTest::newRow("options and a path with spaces and accents")
            << QStringList{QStringLiteral("--folder"), QStringLiteral("/srv/Kräne Nord"),
                           QStringLiteral("--no-splash"), QStringLiteral("Größe 1.qvr")};
    }

    void a_later_copy_hands_its_command_line_to_the_running_copy() {
        QFETCH(QStringList, arguments);
        SingleInstance first(names_);
        QVERIFY(first.claim());
        QSignalSpy received(&first, &SingleInstance::commandLineReceived);
        QTemporaryDir workingFolder;

        QProcess later;
        later.setWorkingDirectory(workingFolder.path());
        startHelper(later, QStringLiteral("hand-over"),
                    QStringList{QStringLiteral("5000")} + arguments);

        QVERIFY(received.wait(kProcessWaitMs));
        QTRY_COMPARE_WITH_TIMEOUT(later.state(), QProcess::NotRunning, kProcessWaitMs);
        QCOMPARE(later.exitStatus(), QProcess::NormalExit);
        QCOMPARE(later.exitCode(), 0);
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.first().at(0).toStringList(), arguments);
        QCOMPARE(canonical(received.first().at(1).toString()), canonical(workingFolder.path()));
    }

    void a_later_copy_waits_while_the_first_has_its_lock_but_does_not_listen_yet() {
        SingleInstance first(names_);
        QVERIFY(first.claimLock()); // as at start-up, before the window shows
        QSignalSpy received(&first, &SingleInstance::commandLineReceived);
        QProcess later;
        startHelper(later, QStringLiteral("hand-over"),
                    QStringList{QStringLiteral("5000"), QStringLiteral("Mill 7.QVR")});
        // For a while nothing arrives and the later copy keeps trying rather than giving up.
        QVERIFY(later.waitForStarted(kProcessWaitMs));
        QVERIFY(!payvanta::test::processEventsUntil(
            [&] { return received.count() > 0 || later.state() == QProcess::NotRunning; },
            std::chrono::milliseconds(300)));
        first.listen();
        QVERIFY(received.wait(kProcessWaitMs));
        QCOMPARE(received.first().at(0).toStringList(), QStringList{QStringLiteral("Mill 7.QVR")});
        QTRY_COMPARE_WITH_TIMEOUT(later.state(), QProcess::NotRunning, kProcessWaitMs);
        QCOMPARE(later.exitCode(), 0);
    }

    void a_lock_left_behind_by_a_crashed_copy_is_taken_over() {
        QProcess crashed;
        startHelper(crashed, QStringLiteral("vanish"));
        QVERIFY(crashed.waitForFinished(kProcessWaitMs));
        QCOMPARE(crashed.exitCode(), 0);
        SingleInstance probe(names_);
        QVERIFY2(QFile::exists(probe.lockFilePath()), "the crashed copy left no lock behind");
        QVERIFY2(QFile::exists(probe.serverPath()), "the crashed copy left no socket behind");

        SingleInstance first(names_);
        QVERIFY(first.claim());
        QSignalSpy received(&first, &SingleInstance::commandLineReceived);
        QCOMPARE(handOverFromHelper({QStringLiteral("after the crash")}), 0);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.first().at(0).toStringList(), QStringList{"after the crash"});
    }

    void a_later_copy_gives_up_when_the_running_copy_does_not_listen() {
        SingleInstance first(names_);
        QVERIFY(first.claim());

        QProcess later;
        later.setProgram(QStringLiteral(PAYVANTA_SINGLE_INSTANCE_HELPER));
        later.setArguments(helperArguments(QStringLiteral("hand-over"), QStringLiteral("nobody")) +
                           QStringList{QStringLiteral("200"), QStringLiteral("x.QVR")});
        later.start();
        QVERIFY(later.waitForFinished(kProcessWaitMs));
        QCOMPARE(later.exitCode(), 2);
    }

    void bytes_that_are_not_a_whole_command_line_are_dropped() {
        SingleInstance first(names_);
        QVERIFY(first.claim());
        QSignalSpy received(&first, &SingleInstance::commandLineReceived);
        const QByteArray message =
            payvanta::ui::qt::encodeHandOver({{QStringLiteral("a.QVR")}, {}});
        QByteArray tooLarge = message.left(4); // the mark of ours, then 2 MiB announced
        QDataStream(&tooLarge, QIODevice::Append) << quint32(2 << 20);
        // A stranger's bytes, a message too large, one that stops halfway (dropped in time).
        for (const QByteArray& bytes :
             {QByteArray("GET / HTTP/1.0\r\n\r\n"), tooLarge, message.left(message.size() - 1)}) {
            QLocalSocket stranger;
            QSignalSpy dropped(&stranger, &QLocalSocket::disconnected);
            stranger.connectToServer(first.serverPath());
            QVERIFY(stranger.waitForConnected(kProcessWaitMs));
            stranger.write(bytes);
            QVERIFY(dropped.wait(kProcessWaitMs));
        }
        QCOMPARE(received.count(), 0);
    }

    void a_flood_of_connections_or_a_removed_socket_file_leaves_later_copies_heard() {
        SingleInstance first(names_);
        QVERIFY(first.claim());
        QSignalSpy received(&first, &SingleInstance::commandLineReceived);
        std::vector<std::unique_ptr<QLocalSocket>> flood;
        int dropped = 0;
        for (int i = 0; i < 4 * SingleInstance::kMaxConnections; ++i) {
            flood.push_back(std::make_unique<QLocalSocket>());
            connect(flood.back().get(), &QLocalSocket::disconnected, this,
                    [&dropped] { ++dropped; });
            flood.back()->connectToServer(first.serverPath());
            QVERIFY(flood.back()->waitForConnected(kProcessWaitMs));
        }
        // Those beyond the few it hears at once go at once, the others when their time is up.
        QTRY_COMPARE(first.findChildren<QObject*>(SingleInstance::kConnectionName).size(),
                     SingleInstance::kMaxConnections);
        QTRY_COMPARE_WITH_TIMEOUT(dropped, 4 * SingleInstance::kMaxConnections, kProcessWaitMs);
        // A clean-up of the runtime folder takes the socket file away.
        QVERIFY(QFile::remove(first.serverPath()));
        QCOMPARE(handOverFromHelper({QStringLiteral("heard again")}), 0);
        QTRY_COMPARE(received.count(), 1);
    }

    void without_a_runtime_folder_only_a_folder_of_the_users_own_is_used_data() {
        QTest::addColumn<uint>("mode"); // of a folder of that name made before; 0: none
        QTest::addColumn<uint>("owner");
        QTest::newRow("none yet: made for the user") << 0u << ::geteuid();
        QTest::newRow("open to others") << 0777u << ::geteuid();
        if (::geteuid() == 0) {
            QTest::newRow("another user's") << 0700u << 65534u;
        }
    }

    void without_a_runtime_folder_only_a_folder_of_the_users_own_is_used() {
        QFETCH(uint, mode);
        QFETCH(uint, owner);
        const auto restore = qScopeGuard([runtime = qgetenv("XDG_RUNTIME_DIR"),
                                          tmp = qgetenv("TMPDIR")] {
            qputenv("XDG_RUNTIME_DIR", runtime); // the suite runs without one: empty is the same
            qputenv("TMPDIR", tmp);
        });
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(folder_->path()));
        const QByteArray own =
            QFile::encodeName(folder_->filePath(QStringLiteral("payvanta-%1").arg(::geteuid())));
        if (mode != 0) {
            QCOMPARE(::mkdir(own.constData(), mode), 0);
            QCOMPARE(::chmod(own.constData(), mode) | ::chown(own.constData(), owner, gid_t(-1)),
                     0);
        }
        SingleInstance instance;
        QCOMPARE(QFile::encodeName(QFileInfo(instance.lockFilePath()).absolutePath()), own);
        QVERIFY(instance.claim()); // the first copy in any case
        QCOMPARE(instance.holdsLock(), mode == 0);
        QCOMPARE(QFile::exists(instance.serverPath()), mode == 0);
        struct stat st {};
        QCOMPARE(::stat(own.constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode == 0 ? 0700u : mode);
    }

    void a_damaged_lock_file_is_taken_over() {
        QFile garbage(QDir(names_.folder).filePath(names_.lockName));
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("not\na\nlock\n") > 0);
        garbage.close();
        SingleInstance first(names_);
        QVERIFY(first.claim());
        QVERIFY(first.holdsLock());
    }

    void a_program_whose_lock_nobody_answers_for_starts_anyway_and_says_so() {
        // A copy that hangs: it holds the program's lock and never listens.
        SingleInstanceNames programs;
        programs.folder = folder_->path();
        SingleInstance hung(programs);
        QVERIFY(hung.claimLock() && hung.holdsLock());
        QProcess program;
        program.setEnvironment(QProcess::systemEnvironment() +
                               QStringList{"XDG_RUNTIME_DIR=" + folder_->path(),
                                           "QT_QPA_PLATFORM=offscreen",
                                           "PAYVANTA_QUIT_WHEN_SHOWN=1"});
        program.start(QStringLiteral(PAYVANTA_PROGRAM), {QStringLiteral("--no-splash")});
        QVERIFY(program.waitForFinished(3 * kProcessWaitMs));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(program.readAllStandardError().contains("starting another copy"), "no word of it");
    }

    void an_empty_argument_handed_over_names_no_project() {
        const auto projectOf = [](const QStringList& arguments) {
            return payvanta::app::parseAppOptions(arguments, QStringLiteral("/srv")).projectFile;
        };
        QCOMPARE(projectOf({QString()}), QString()); // not the working folder
        QCOMPARE(projectOf({QString(), QStringLiteral("a.QVR")}), QStringLiteral("/srv/a.QVR"));
    }

private:
    QStringList helperArguments(const QString& mode, const QString& serverName = {}) const;
    void startHelper(QProcess& helper, const QString& mode, const QStringList& rest = {});
    int handOverFromHelper(const QStringList& arguments);

    std::unique_ptr<QTemporaryDir> folder_;
    SingleInstanceNames names_;
};

QStringList SingleInstanceTest::helperArguments(const QString& mode,
                                                const QString& serverName) const {
    return {names_.folder, names_.lockName, serverName.isEmpty() ? names_.serverName : serverName,
            mode};
}

void SingleInstanceTest::startHelper(QProcess& helper, const QString& mode,
                                     const QStringList& rest) {
    helper.setProgram(QStringLiteral(PAYVANTA_SINGLE_INSTANCE_HELPER));
    helper.setArguments(helperArguments(mode) + rest);
    helper.start();
    QVERIFY2(helper.waitForStarted(kProcessWaitMs), qPrintable(helper.errorString()));
}

// A later copy's exit status, -1 when it did not end; the running copy answers meanwhile.
int SingleInstanceTest::handOverFromHelper(const QStringList& arguments) {
    QProcess later;
    QSignalSpy finished(&later, &QProcess::finished);
    startHelper(later, QStringLiteral("hand-over"),
                QStringList{QStringLiteral("5000")} + arguments);
    return finished.wait(kProcessWaitMs) ? later.exitCode() : -1;
}

PAYVANTA_QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
