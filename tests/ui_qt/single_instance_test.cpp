#include "support/qt_test_main.h"
#include "ui/qt/single_instance.h"

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
    void init();
    void cleanup();

    void the_default_names_are_the_program_names();
    void a_second_claim_fails_while_the_first_copy_holds_the_lock();
    void the_lock_is_free_again_once_the_first_copy_is_gone();
    void a_lock_held_for_hours_by_a_running_copy_is_not_taken_over();
    void a_later_copy_hands_its_command_line_to_the_running_copy_data();
    void a_later_copy_hands_its_command_line_to_the_running_copy();
    void a_copy_running_in_another_process_is_found_and_handed_the_command_line();
    void a_later_copy_waits_while_the_first_has_its_lock_but_does_not_listen_yet();
    void a_lock_left_behind_by_a_crashed_copy_is_taken_over();
    void a_later_copy_gives_up_when_the_running_copy_does_not_listen();
    void bytes_that_are_not_a_command_line_are_dropped();

private:
    QStringList helperArguments(const QString& mode, const QString& serverName = {}) const;
    void startHelper(QProcess& helper, const QString& mode, const QStringList& rest = {});
    static QByteArray readLine(QProcess& helper);

    std::unique_ptr<QTemporaryDir> folder_;
    SingleInstanceNames names_;
};

void SingleInstanceTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    names_ = SingleInstanceNames{QStringLiteral("test_lock"), QStringLiteral("test_server"),
                                 folder_->path()};
}

void SingleInstanceTest::cleanup() {
    folder_.reset();
}

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

QByteArray SingleInstanceTest::readLine(QProcess& helper) {
    while (!helper.canReadLine()) {
        if (!helper.waitForReadyRead(kProcessWaitMs)) {
            return {};
        }
    }
    return helper.readLine();
}

void SingleInstanceTest::the_default_names_are_the_program_names() {
    const SingleInstanceNames defaults;
    QCOMPARE(defaults.lockName, QStringLiteral("STRAQVR_APPLICATION_MUTEX"));
    QCOMPARE(defaults.serverName, QStringLiteral("STRAQVR_APPLICATION"));

    const SingleInstance instance;
    QCOMPARE(QFileInfo(instance.lockFilePath()).fileName(),
             QStringLiteral("STRAQVR_APPLICATION_MUTEX"));
    QCOMPARE(QFileInfo(instance.serverPath()).fileName(), QStringLiteral("STRAQVR_APPLICATION"));
}

void SingleInstanceTest::a_second_claim_fails_while_the_first_copy_holds_the_lock() {
    SingleInstance first(names_);
    SingleInstance second(names_);
    QVERIFY(first.claim());
    QVERIFY(first.isFirst());
    QVERIFY(!second.claim());
    QVERIFY(!second.isFirst());
}

void SingleInstanceTest::the_lock_is_free_again_once_the_first_copy_is_gone() {
    {
        SingleInstance first(names_);
        QVERIFY(first.claim());
    }
    QVERIFY(!QFile::exists(QDir(names_.folder).filePath(names_.lockName)));
    SingleInstance next(names_);
    QVERIFY(next.claim());
}

void SingleInstanceTest::a_lock_held_for_hours_by_a_running_copy_is_not_taken_over() {
    SingleInstance first(names_);
    QVERIFY(first.claim());
    QFile lockFile(first.lockFilePath());
    QVERIFY(lockFile.open(QIODevice::ReadOnly));
    QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-5 * 3600),
                                 QFileDevice::FileModificationTime));

    SingleInstance later(names_);
    QVERIFY(!later.claim());
    QVERIFY(QFile::exists(first.lockFilePath()));
}

void SingleInstanceTest::a_later_copy_hands_its_command_line_to_the_running_copy_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no arguments: only raise the window") << QStringList{};
    QTest::newRow("a project file") << QStringList{QStringLiteral("Mill 7.QVR")};
    QTest::newRow("options and a path with spaces and accents")
        << QStringList{QStringLiteral("--folder"), QStringLiteral("/srv/Kräne Nord"),
                       QStringLiteral("--no-splash"), QStringLiteral("Größe 1.qvr")};
}

void SingleInstanceTest::a_later_copy_hands_its_command_line_to_the_running_copy() {
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

void SingleInstanceTest::a_later_copy_waits_while_the_first_has_its_lock_but_does_not_listen_yet() {
    SingleInstance first(names_);
    QVERIFY(first.claimLock()); // as at start-up, before the window shows
    QSignalSpy received(&first, &SingleInstance::commandLineReceived);
    QProcess later;
    startHelper(later, QStringLiteral("hand-over"),
                QStringList{QStringLiteral("5000"), QStringLiteral("Mill 7.QVR")});
    QTest::qWait(300);
    QCOMPARE(received.count(), 0);
    first.listen();
    QVERIFY(received.wait(kProcessWaitMs));
    QCOMPARE(received.first().at(0).toStringList(), QStringList{QStringLiteral("Mill 7.QVR")});
    QTRY_COMPARE_WITH_TIMEOUT(later.state(), QProcess::NotRunning, kProcessWaitMs);
    QCOMPARE(later.exitCode(), 0);
}

void SingleInstanceTest::a_copy_running_in_another_process_is_found_and_handed_the_command_line() {
    QProcess first;
    startHelper(first, QStringLiteral("serve"));
    QCOMPARE(readLine(first), QByteArray("ready\n"));

    SingleInstance later(names_);
    QVERIFY(!later.claim());
    QVERIFY(later.handOver({QStringLiteral("--no-splash"), QStringLiteral("Mill 7.QVR")}));

    QVERIFY(first.waitForFinished(kProcessWaitMs));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(first.readAllStandardOutput(), QByteArray("--no-splash\nMill 7.QVR\n"));
}

void SingleInstanceTest::a_lock_left_behind_by_a_crashed_copy_is_taken_over() {
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
    QProcess later;
    startHelper(later, QStringLiteral("hand-over"),
                {QStringLiteral("5000"), QStringLiteral("after the crash")});
    QVERIFY(received.wait(kProcessWaitMs));
    QCOMPARE(received.first().at(0).toStringList(), QStringList{QStringLiteral("after the crash")});
    QTRY_COMPARE_WITH_TIMEOUT(later.state(), QProcess::NotRunning, kProcessWaitMs);
    QCOMPARE(later.exitCode(), 0);
}

void SingleInstanceTest::a_later_copy_gives_up_when_the_running_copy_does_not_listen() {
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

void SingleInstanceTest::bytes_that_are_not_a_command_line_are_dropped() {
    SingleInstance first(names_);
    QVERIFY(first.claim());
    QSignalSpy received(&first, &SingleInstance::commandLineReceived);

    QLocalSocket stranger;
    QSignalSpy dropped(&stranger, &QLocalSocket::disconnected);
    stranger.connectToServer(first.serverPath());
    QVERIFY(stranger.waitForConnected(kProcessWaitMs));
    stranger.write("GET / HTTP/1.0\r\n\r\n");
    QVERIFY(dropped.wait(kProcessWaitMs));
    QCOMPARE(received.count(), 0);
}

PAYVANTA_QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
