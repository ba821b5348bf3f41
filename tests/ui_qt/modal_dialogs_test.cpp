#include "support/modal_dialogs.h"
#include "support/qt_test_main.h"

#include <QMessageBox>
#include <QTest>

using payvanta::test::ExpectedModal;
using payvanta::test::expectThat;
using payvanta::test::ModalWatchdog;

// The suites rely on these helpers not to hang: a stray modal must end, an expected one must
// be closed whatever its driver did.
class ModalDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void a_stray_modal_dialog_is_closed_and_recorded();
    void an_expected_dialog_is_driven_and_closed_even_when_its_driver_fails();
    void an_expected_dialog_that_never_appears_is_a_failure();
};

void ModalDialogsTest::a_stray_modal_dialog_is_closed_and_recorded() {
    ModalWatchdog watchdog(std::chrono::milliseconds(100));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Stravolux_QVR"),
                    QStringLiteral("Would you like to save your work?"), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("question"));
    box.exec();
    QCOMPARE(watchdog.takeStrays(),
             QStringList{QStringLiteral(
                 "unexpected modal dialog \"Stravolux_QVR\" (question) was closed")});
    QVERIFY(watchdog.takeStrays().isEmpty());
}

void ModalDialogsTest::an_expected_dialog_is_driven_and_closed_even_when_its_driver_fails() {
    ModalWatchdog watchdog(std::chrono::milliseconds(100));
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("File Select"));
    ExpectedModal expected([](QDialog& shown, QString& failures) {
        expectThat(shown.windowTitle() == QStringLiteral("Open"),
                   QStringLiteral("caption is ") + shown.windowTitle(), failures);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(expected.failures(), QStringLiteral("caption is File Select; "));
    QVERIFY(watchdog.takeStrays().isEmpty());
}

void ModalDialogsTest::an_expected_dialog_that_never_appears_is_a_failure() {
    ExpectedModal expected([](QDialog&, QString&) {}, std::chrono::milliseconds(50));
    QCOMPARE(expected.failures(), QStringLiteral("the expected modal dialog did not appear; "));
}

PAYVANTA_QTEST_MAIN(ModalDialogsTest)
#include "modal_dialogs_test.moc"
