#pragma once

#include "support/modal_dialogs.h"
#include "support/scripted_boxes.h"
#include "support/temp_folder.h"
#include "ui/qt/main_window.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QObject>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <memory>

namespace payvanta::test {

// What each suite of the main window starts from: a temporary program folder with the
// shipped data, the window on it with scripted message boxes, and a watchdog for modal
// dialogs nobody expected.
class WindowTest : public QObject {
protected:
    // Shows the window; false when it is never exposed.
    bool startWindow(ui::qt::MainWindow::Options options = {}) {
        folder = std::make_unique<TempFolder>();
        copyShippedData(folder->path());
        boxes = std::make_unique<ScriptedBoxes>();
        options.programFolder = folder->path();
        options.startFolder = QString::fromStdString(folder->path().string());
        window = std::make_unique<ui::qt::MainWindow>(options, *boxes);
        window->show();
        watchdog = std::make_unique<ModalWatchdog>();
        return QTest::qWaitForWindowExposed(window.get());
    }

    // Copies the steel-mill example in as Ladle.QVR and opens it.
    bool openLadle() {
        const QString ladle = path("Ladle.QVR");
        QFile::copy(QStringLiteral(PAYVANTA_DATA_DIR "/examples/steel-mill-ladle-crane.QVR"),
                    ladle);
        return window->openProjectFile(ladle);
    }

    QString path(const char* name) const {
        return QString::fromStdString((folder->path() / name).string());
    }

    // The control of that name, else the window's child of that name.
    template <typename T> T* find(const QString& name) const {
        auto* object = qobject_cast<T*>(window->control(name));
        return object != nullptr ? object : window->findChild<T*>(name);
    }
    void trigger(const char* menuItem) { find<QAction>(QLatin1String(menuItem))->trigger(); }

    // Shows the widget's frame by its tab, as a user would, gives it the focus, selects its
    // text and types the keys.
    void typeInto(QWidget* widget, const QString& keys) {
        for (int i = 1; i <= 6; ++i) {
            if (find<QGroupBox>(QStringLiteral("Frame1(%1)").arg(i))->isAncestorOf(widget)) {
                find<QTabBar>(QStringLiteral("TabStrip1"))->setCurrentIndex(i - 1);
            }
        }
        widget->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(widget->hasFocus());
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            line->selectAll();
        }
        QTest::keyClicks(widget, keys);
    }

    // Ends the window and its folder; what was left over: dialogs nobody closed and boxes
    // the script did not expect.
    QStringList closeWindow() {
        QStringList left = watchdog->takeStrays() + boxes->unexpected;
        watchdog.reset();
        window.reset();
        boxes.reset();
        folder.reset();
        return left;
    }

    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<ui::qt::MainWindow> window;
    std::unique_ptr<ModalWatchdog> watchdog;
};

} // namespace payvanta::test
