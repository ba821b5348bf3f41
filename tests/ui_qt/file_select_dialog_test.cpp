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
#include <memory>
#include <string>

using payvanta::test::ExpectedModal;
using payvanta::test::expectThat;
using payvanta::test::ModalWatchdog;
using payvanta::ui::qt::FileSelectDialog;
using payvanta::ui::qt::selectedFilePath;

namespace {

void writeFile(const QString& path, const QByteArray& bytes = "Customer=Mill 7\r\n") {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
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

void click(QListWidget* list, const QString& text) {
    QListWidgetItem* item = itemNamed(list, text);
    QVERIFY2(item != nullptr, qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void doubleClick(QListWidget* list, const QString& text) {
    QListWidgetItem* item = itemNamed(list, text);
    QVERIFY2(item != nullptr, qPrintable(text));
    // What a mouse sends: a click, then the second press as a double click, then its release.
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class FileSelectDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void the_dialog_shows_its_captions_and_controls_data();
    void the_dialog_shows_its_captions_and_controls();
    void ok_cannot_be_pressed_before_a_file_is_clicked();
    void a_file_click_shows_the_folder_a_separator_and_the_name();
    void project_files_are_listed_whatever_the_case_of_their_extension();
    void the_lists_start_at_the_working_folder_when_no_folder_is_given();
    void a_double_click_enters_a_folder_and_enter_on_the_parent_entry_goes_back();
    void enter_in_the_folder_list_does_not_press_ok();
    void the_drive_of_the_folder_is_shown_and_choosing_a_drive_moves_to_its_root();
    void a_file_in_a_root_folder_gets_a_doubled_separator_and_still_opens();
    void ok_accepts_the_dialog_with_the_selected_file();
    void cancel_rejects_the_dialog();
    void a_double_click_on_a_file_accepts_it();

private:
    FileSelectDialog* openDialog(const QString& folder);
    template <typename T> T* child(const char* name) const {
        return dialog_->findChild<T*>(QString::fromLatin1(name));
    }

    std::unique_ptr<QTemporaryDir> root_;
    QString rootPath_;
    std::unique_ptr<FileSelectDialog> dialog_;
    std::unique_ptr<ModalWatchdog> watchdog_;
};

void FileSelectDialogTest::init() {
    watchdog_ = std::make_unique<ModalWatchdog>();
    root_ = std::make_unique<QTemporaryDir>();
    QVERIFY(root_->isValid());
    rootPath_ = QDir(root_->path()).canonicalPath();
    const QDir root(rootPath_);
    for (const char* name : {"a.qvr", "B.QVR", "c.Qvr", "notes.txt", "d.qvr.bak", ".hidden.qvr"}) {
        writeFile(root.filePath(QString::fromLatin1(name)));
    }
    for (const char* name : {"Projects", "archive", "folder.qvr", ".cache"}) {
        QVERIFY(root.mkdir(QString::fromLatin1(name)));
    }
    writeFile(root.filePath(QStringLiteral("Projects/mill.QVR")));
}

void FileSelectDialogTest::cleanup() {
    dialog_.reset();
    root_.reset();
    const QStringList strays = watchdog_->takeStrays();
    QVERIFY2(strays.isEmpty(), qPrintable(strays.join(QLatin1Char('\n'))));
}

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

void FileSelectDialogTest::the_dialog_shows_its_captions_and_controls_data() {
    QTest::addColumn<QString>("captionName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("controlName");
    QTest::newRow("drives") << "lblDriveSelect"
                            << "Drive Select"
                            << "Drive1";
    QTest::newRow("folders") << "lblDirectorySelect"
                             << "Directory Select"
                             << "Dir1";
    QTest::newRow("files") << "lblFileSelect"
                           << "File Select"
                           << "File1";
    QTest::newRow("selected file") << "lblSelectedFileCaption"
                                   << "Selected File"
                                   << "lblSelectedFile";
}

void FileSelectDialogTest::the_dialog_shows_its_captions_and_controls() {
    QFETCH(QString, captionName);
    QFETCH(QString, caption);
    QFETCH(QString, controlName);
    openDialog(rootPath_);
    QCOMPARE(dialog_->objectName(), QStringLiteral("frmFileSelect"));
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("File Select"));

    auto* label = dialog_->findChild<QLabel*>(captionName);
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), caption);
    auto* control = dialog_->findChild<QWidget*>(controlName);
    QVERIFY(control != nullptr);
    QCOMPARE(label->buddy(), control);
    QVERIFY(control->isVisible());

    QVERIFY(child<QComboBox>("Drive1") != nullptr);
    QVERIFY(child<QListWidget>("Dir1") != nullptr);
    QVERIFY(child<QListWidget>("File1") != nullptr);
    QCOMPARE(child<QLabel>("lblSelectedFile")->text(), QString());
    QCOMPARE(child<QPushButton>("cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(child<QPushButton>("cmdCancel")->text(), QStringLiteral("Cancel"));
}

void FileSelectDialogTest::ok_cannot_be_pressed_before_a_file_is_clicked() {
    openDialog(rootPath_);
    auto* ok = child<QPushButton>("cmdOK");
    auto* files = child<QListWidget>("File1");
    QVERIFY(!ok->isEnabled());

    // Taking the focus makes a file current, but nobody picked it.
    files->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(files->hasFocus());
    QVERIFY(!ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog_->isVisible());

    click(files, QStringLiteral("c.Qvr"));
    QVERIFY(ok->isEnabled());
}

void FileSelectDialogTest::a_file_click_shows_the_folder_a_separator_and_the_name() {
    openDialog(rootPath_);
    auto* files = child<QListWidget>("File1");
    click(files, QStringLiteral("B.QVR"));
    const QString expected = rootPath_ + QStringLiteral("/B.QVR");
    QCOMPARE(child<QLabel>("lblSelectedFile")->text(), expected);
    QCOMPARE(dialog_->selectedFile(), expected);

    // The arrow keys pick a file as well.
    QTest::keyClick(files, Qt::Key_Down);
    QCOMPARE(dialog_->selectedFile(), rootPath_ + QStringLiteral("/c.Qvr"));
}

void FileSelectDialogTest::project_files_are_listed_whatever_the_case_of_their_extension() {
    openDialog(rootPath_);
    QCOMPARE(
        texts(child<QListWidget>("File1")),
        (QStringList{QStringLiteral("a.qvr"), QStringLiteral("B.QVR"), QStringLiteral("c.Qvr")}));
}

void FileSelectDialogTest::the_lists_start_at_the_working_folder_when_no_folder_is_given() {
    const QString before = QDir::currentPath();
    const auto restore = qScopeGuard([&] { QDir::setCurrent(before); });
    QVERIFY(QDir::setCurrent(rootPath_ + QStringLiteral("/Projects")));
    openDialog(QString());
    QCOMPARE(child<QListWidget>("Dir1")->item(0)->text(), rootPath_ + QStringLiteral("/Projects"));
    QCOMPARE(texts(child<QListWidget>("File1")), QStringList{QStringLiteral("mill.QVR")});
}

void FileSelectDialogTest::
    a_double_click_enters_a_folder_and_enter_on_the_parent_entry_goes_back() {
    openDialog(rootPath_);
    auto* folders = child<QListWidget>("Dir1");
    auto* files = child<QListWidget>("File1");
    QCOMPARE(texts(folders),
             (QStringList{rootPath_, QStringLiteral(".."), QStringLiteral("archive"),
                          QStringLiteral("folder.qvr"), QStringLiteral("Projects")}));

    doubleClick(folders, QStringLiteral("Projects"));
    QCOMPARE(folders->item(0)->text(), rootPath_ + QStringLiteral("/Projects"));
    QCOMPARE(texts(files), QStringList{QStringLiteral("mill.QVR")});
    click(files, QStringLiteral("mill.QVR"));
    QCOMPARE(dialog_->selectedFile(), rootPath_ + QStringLiteral("/Projects/mill.QVR"));

    folders->setCurrentItem(itemNamed(folders, QStringLiteral("..")));
    QTest::keyClick(folders, Qt::Key_Return);
    QCOMPARE(folders->item(0)->text(), rootPath_);
    QCOMPARE(texts(files).size(), 3);
    // The chosen file stays chosen until another is clicked.
    QCOMPARE(dialog_->selectedFile(), rootPath_ + QStringLiteral("/Projects/mill.QVR"));
}

void FileSelectDialogTest::enter_in_the_folder_list_does_not_press_ok() {
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

void FileSelectDialogTest::
    the_drive_of_the_folder_is_shown_and_choosing_a_drive_moves_to_its_root() {
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

void FileSelectDialogTest::a_file_in_a_root_folder_gets_a_doubled_separator_and_still_opens() {
    QCOMPARE(selectedFilePath(QStringLiteral("/"), QStringLiteral("Mill 7.QVR")),
             QStringLiteral("//Mill 7.QVR"));

    // A root-level name seen through the doubled separator: our file, reached from "/".
    const QString relative = QDir::root().relativeFilePath(rootPath_ + QStringLiteral("/a.qvr"));
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

void FileSelectDialogTest::ok_accepts_the_dialog_with_the_selected_file() {
    FileSelectDialog dialog(rootPath_);
    ExpectedModal driver([](QDialog& shown, QString& failures) {
        auto* files = shown.findChild<QListWidget*>(QStringLiteral("File1"));
        auto* ok = shown.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        expectThat(files != nullptr && ok != nullptr, QStringLiteral("controls missing"), failures);
        if (!failures.isEmpty()) {
            return;
        }
        click(files, QStringLiteral("a.qvr"));
        expectThat(ok->isEnabled(), QStringLiteral("OK stayed disabled"), failures);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures()));
    QCOMPARE(dialog.selectedFile(), rootPath_ + QStringLiteral("/a.qvr"));
}

void FileSelectDialogTest::cancel_rejects_the_dialog() {
    FileSelectDialog dialog(rootPath_);
    ExpectedModal driver([](QDialog& shown, QString&) {
        QTest::mouseClick(shown.findChild<QPushButton*>(QStringLiteral("cmdCancel")),
                          Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures()));
    QCOMPARE(dialog.selectedFile(), QString());
}

void FileSelectDialogTest::a_double_click_on_a_file_accepts_it() {
    FileSelectDialog dialog(rootPath_);
    ExpectedModal driver([](QDialog& shown, QString&) {
        doubleClick(shown.findChild<QListWidget*>(QStringLiteral("File1")),
                    QStringLiteral("c.Qvr"));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures()));
    QCOMPARE(dialog.selectedFile(), rootPath_ + QStringLiteral("/c.Qvr"));
}

PAYVANTA_QTEST_MAIN(FileSelectDialogTest)
#include "file_select_dialog_test.moc"
