#include "support/qt_test_main.h"
#include "support/scripted_boxes.h"
#include "ui/qt/guarded_application.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

using payvanta::test::ScriptedBoxes;

// The desktop program's application object, with a fault thrown where a handler of the
// user's would throw it.
class GuardedApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void a_fault_in_a_handler_is_told_and_the_program_goes_on() {
        ScriptedBoxes boxes;
        static_cast<payvanta::ui::qt::GuardedApplication*>(qApp)->tellFaultsIn(boxes);
        QPushButton button(QStringLiteral("Compute"));
        connect(&button, &QPushButton::clicked,
                [] { throw std::overflow_error("number too large"); });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(boxes.messages,
                 QStringList{QStringLiteral(
                     "Payvanta could not finish what it was doing: number too large. "
                     "Your work is still open; save it before you go on.")});
        // The event loop still runs what comes after.
        bool later = false;
        QTimer::singleShot(0, &button, [&later] { later = true; });
        QVERIFY(QTest::qWaitFor([&later] { return later; }));
        QVERIFY(button.isVisible());
    }
};

int main(int argc, char** argv) {
    payvanta::test::prepareQtTestEnvironment();
    payvanta::ui::qt::GuardedApplication app(argc, argv);
    GuardedApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "guarded_application_test.moc"
