// A bare Qt Widgets program, the yardstick of the desktop program's start-up time and
// memory: a main window with a menu, a tab strip, a few labelled fields and buttons,
// shown, and ended by a queued call as soon as it has been shown, the way payvanta ends
// under PAYVANTA_QUIT_WHEN_SHOWN=1. window_startup.sh runs both.
#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));

    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Open"));
    file->addAction(QStringLiteral("Save"));
    file->addAction(QStringLiteral("Exit"), &app, &QCoreApplication::quit);

    auto* centre = new QWidget;
    auto* outer = new QVBoxLayout(centre);
    auto* tabs = new QTabBar;
    tabs->addTab(QStringLiteral("First"));
    tabs->addTab(QStringLiteral("Second"));
    outer->addWidget(tabs);
    auto* fields = new QGroupBox(QStringLiteral("Fields"));
    auto* form = new QFormLayout(fields);
    form->addRow(QStringLiteral("Name"), new QLineEdit);
    form->addRow(QStringLiteral("Speed"), new QLineEdit);
    auto* choice = new QComboBox;
    choice->addItems({QStringLiteral("One"), QStringLiteral("Two")});
    form->addRow(QStringLiteral("Choice"), choice);
    outer->addWidget(fields);
    outer->addWidget(new QLabel(QStringLiteral("$0.00")));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QPushButton(QStringLiteral("OK")));
    buttons->addWidget(new QPushButton(QStringLiteral("Close")));
    outer->addLayout(buttons);
    window.setCentralWidget(centre);

    window.show();
    QMetaObject::invokeMethod(
        &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    return QApplication::exec();
}
