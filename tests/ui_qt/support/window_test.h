#pragma once

#include "support/modal_dialogs.h"
#include "support/scripted_boxes.h"
#include "support/temp_folder.h"
#include "ui/qt/main_window.h"

#include <QFile>
#include <QObject>
#include <QStringList>
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
