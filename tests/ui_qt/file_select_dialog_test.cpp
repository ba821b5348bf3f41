#include "support/modal_dialogs.h"
#include "support/qt_test_main.h"
#include "ui/qt/file_select_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

using payvanta::test::ExpectedModal;
using payvanta::test::ModalWatchdog;
using payvanta::ui::qt::FileSelectDialog;
using payvanta::ui::qt::selectedFilePath;

namespace {

void writeFile(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Customer=Mill 7\r\n");
}

QStringList texts(const QListWidget* list) {
    QStringList result;
    for (int row = 0; row < list->count(); ++row) {
        result << list->item(row)->text();
    }
    return result;
}

QListWidgetItem* itemNamed(const QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void click(QListWidget* list, const QString& text, bool twice = false) {
    QListWidgetItem* item = itemNamed(list, text);
    QVERIFY2(item != nullptr, qPrintable(text));
    // A double click is what a mouse sends: a click, the second press as a double click,
    // then its release.
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    if (twice) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
    }
}

} // namespace

class FileSelectDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        watchdog_ = std::make_unique<ModalWatchdog>();
        root_ = std::make_unique<QTemporaryDir>();
        QVERIFY(root_->isValid());
        rootPath_ = QDir(root_->path()).canonicalPath();
        const QDir root(rootPath_);
        for (const char* name :
             {"a.qvr", "B.QVR", "c.Qvr", "notes.txt", "d.qvr.bak", ".hidden.qvr"}) {
            writeFile(root.filePath(QString::fromLatin1(name)));
        }
        for (const char* name : {"Projects", "archive", "folder.qvr", ".cache"}) {
            QVERIFY(root.mkdir(QString::fromLatin1(name)));
        }
        writeFile(root.filePath(QStringLiteral("Projects/mill.QVR")));
    }

    void cleanup() {
        dialog_.reset();
        root_.reset();
        const QStringList strays = watchdog_->takeStrays();
        QVERIFY2(strays.isEmpty(), qPrintable(strays.join(QLatin1Char('\n'))));
    }

    void project_files_of_any_case_are_listed_and_ok_waits_for_a_click_on_one() {
        openDialog(rootPath_);
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("File Select"));
        auto* ok = child<QPushButton>("cmdOK");
        auto* files = child<QListWidget>("File1");
        QCOMPARE(texts(files), (QStringList{QStringLiteral("a.qvr"), QStringLiteral("B.QVR"),
                                            QStringLiteral("c.Qvr")}));
        // Taking the focus makes a file current, but nobody picked it.
        files->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(files->hasFocus());
        QVERIFY(!ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(dialog_->isVisible());

        click(files, QStringLiteral("B.QVR"));
        QVERIFY(ok->isEnabled());
        QCOMPARE(child<QLabel>("lblSelectedFile")->text(), rootPath_ + QStringLiteral("/B.QVR"));
        QCOMPARE(dialog_->selectedFile(), rootPath_ + QStringLiteral("/B.QVR"));
        QTest::keyClick(files, Qt::Key_Down); // the arrow keys pick a file as well
        QCOMPARE(dialog_->selectedFile(), rootPath_ + QStringLiteral("/c.Qvr"));
    }

    void the_lists_start_at_the_working_folder_when_no_folder_is_given() {
        const QString before = QDir::currentPath();
        const auto restore = qScopeGuard([&] { QDir::setCurrent(before); });
        QVERIFY(QDir::setCurrent(rootPath_ + QStringLiteral("/Projects")));
        openDialog(QString());
        QCOMPARE(child<QListWidget>("Dir1")->item(0)->text(),
                 rootPath_ + QStringLiteral("/Projects"));
        QCOMPARE(texts(child<QListWidget>("File1")), QStringList{QStringLiteral("mill.QVR")});
    }

    void a_double_click_enters_a_folder_and_enter_on_the_parent_entry_goes_back() {
        openDialog(rootPath_);
        auto* folders = child<QListWidget>("Dir1");
        auto* files = child<QListWidget>("File1");
        QCOMPARE(texts(folders),
                 (QStringList{rootPath_, QStringLiteral(".."), QStringLiteral("archive"),
                              QStringLiteral("folder.qvr"), QStringLiteral("Projects")}));

        click(folders, QStringLiteral("Projects"), true);
        QCOMPARE(folders->item(0)->text(), rootPath_ + QStringLiteral("/Projects"));
        QCOMPARE(texts(files), QStringList{QStringLiteral("mill.QVR")});
        click(files, QStringLiteral("mill.QVR"));

        folders->setCurrentItem(itemNamed(folders, QStringLiteral("..")));
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(folders->item(0)->text(), rootPath_);
        QCOMPARE(texts(files).size(), 3);
        // The chosen file stays chosen until another is clicked.
        QCOMPARE(dialog_->selectedFile(), rootPath_ + QStringLiteral("/Projects/mill.QVR"));
    }

    void enter_in_the_folder_list_does_not_press_ok() {
        openDialog(rootPath_);
        auto* folders = child<QListWidget>("Dir1");
        click(child<QListWidget>("File1"), QStringLiteral("a.qvr"));
        QVERIFY(child<QPushButton>("cmdOK")->isEnabled());

        folders->setFocus();
        folders->setCurrentItem(itemNamed(folders, QStringLiteral("archive")));
        QTest::keyClick(folders, Qt::Key_Enter);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(dialog_->result(), int(QDialog::Rejected));
        QCOMPARE(folders->item(0)->text(), rootPath_ + QStringLiteral("/archive"));
    }

    void the_drive_of_the_folder_is_shown_and_choosing_a_drive_moves_to_its_root() {
        openDialog(rootPath_);
        auto* drives = child<QComboBox>("Drive1");
        auto* folders = child<QListWidget>("Dir1");
        QCOMPARE(drives->currentData().toString(), QStorageInfo(rootPath_).rootPath());
        const int rootDrive = drives->findData(QDir::rootPath());
        QVERIFY(rootDrive >= 0);
        if (drives->currentIndex() == rootDrive) {
            // The temporary folder is on the root volume: go elsewhere first, if there is a place.
            if (drives->count() < 2) {
                QSKIP("only one drive on this machine");
            }
            drives->setCurrentIndex(rootDrive == 0 ? 1 : 0);
        }
        drives->setCurrentIndex(rootDrive);
        QCOMPARE(folders->item(0)->text(), QDir::rootPath());
        QVERIFY2(itemNamed(folders, QStringLiteral("..")) == nullptr, "a root has no parent entry");
        const QString firstPart = QDir::tempPath().section(QLatin1Char('/'), 1, 1);
        QVERIFY(itemNamed(folders, firstPart) != nullptr);
    }

    void a_file_in_a_root_folder_gets_a_doubled_separator_and_still_opens() {
        QCOMPARE(selectedFilePath(QStringLiteral("/"), QStringLiteral("Mill 7.QVR")),
                 QStringLiteral("//Mill 7.QVR"));
        // A root-level name seen through the doubled separator: our file, reached from "/".
        const QString relative =
            QDir::root().relativeFilePath(rootPath_ + QStringLiteral("/a.qvr"));
        const QString doubled = selectedFilePath(QDir::rootPath(), relative);
        QVERIFY(doubled.startsWith(QStringLiteral("//")));
        QFile viaQt(doubled);
        QVERIFY(viaQt.open(QIODevice::ReadOnly));
        QCOMPARE(viaQt.readAll(), QByteArray("Customer=Mill 7\r\n"));
        std::ifstream viaStd(doubled.toStdString(), std::ios::binary);
        std::string firstLine;
        QVERIFY(std::getline(viaStd, firstLine));
        QCOMPARE(QString::fromStdString(firstLine), QStringLiteral("Customer=Mill 7\r"));
    }

    void ok_or_a_double_click_accepts_the_file_and_cancel_rejects() {
        const auto button = [](QDialog& d, const char* name) {
            QTest::mouseClick(d.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
        };
        const auto files = [](QDialog& d) {
            return d.findChild<QListWidget*>(QStringLiteral("File1"));
        };
        QCOMPARE(exec([&](QDialog& d) {
                     click(files(d), QStringLiteral("a.qvr"));
                     button(d, "cmdOK");
                 }),
                 int(QDialog::Accepted));
        QCOMPARE(dialog_->selectedFile(), rootPath_ + QStringLiteral("/a.qvr"));
        QCOMPARE(exec([&](QDialog& d) { click(files(d), QStringLiteral("c.Qvr"), true); }),
                 int(QDialog::Accepted));
        QCOMPARE(dialog_->selectedFile(), rootPath_ + QStringLiteral("/c.Qvr"));
        QCOMPARE(exec([&](QDialog& d) { button(d, "cmdCancel"); }), int(QDialog::Rejected));
        QCOMPARE(dialog_->selectedFile(), QString());
    }

private:
    FileSelectDialog* openDialog(const QString& folder);
    template <typename T> T* child(const char* name) const {
        return dialog_->findChild<T*>(QString::fromLatin1(name));
    }
    // Runs the dialog modally, `drive` clicking in it; its result.
    int exec(const std::function<void(QDialog&)>& drive);

    std::unique_ptr<QTemporaryDir> root_;
    QString rootPath_;
    std::unique_ptr<FileSelectDialog> dialog_;
    std::unique_ptr<ModalWatchdog> watchdog_;
};

FileSelectDialog* FileSelectDialogTest::openDialog(const QString& folder) {
    dialog_ = std::make_unique<FileSelectDialog>(folder);
    dialog_->show();
    // Active, not only exposed: focus moves only within the active window.
    dialog_->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog_.get())) {
        qWarning("the dialog did not become the active window");
    }
    return dialog_.get();
}

int FileSelectDialogTest::exec(const std::function<void(QDialog&)>& drive) {
    dialog_ = std::make_unique<FileSelectDialog>(rootPath_);
    ExpectedModal driver([&drive](QDialog& shown, QString&) { drive(shown); });
    const int result = dialog_->exec();
    if (!driver.failures().isEmpty()) {
        qWarning("%s", qPrintable(driver.failures()));
        return -1;
    }
    return result;
}

PAYVANTA_QTEST_MAIN(FileSelectDialogTest)
#include "file_select_dialog_test.moc"
