#include "ui/qt/file_select_dialog.h"

#include "ui/qt/drive_list.h"
#include "ui/qt/file_list.h"
#include "ui/qt/folder_list.h"
#include "ui/qt/path_label.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace payvanta::ui::qt {

namespace {

constexpr int kListChars = 60;
constexpr int kListLines = 7;

QPushButton* makeButton(const char* objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

// A caption above its control, close to it; the groups stand further apart.
void addGroup(QVBoxLayout* layout, const char* captionName, const QString& caption,
              QWidget* control, int stretch = 0) {
    auto* label = new QLabel(caption, control->parentWidget());
    label->setObjectName(QString::fromLatin1(captionName));
    label->setBuddy(control);
    auto* group = new QVBoxLayout;
    group->setSpacing(label->fontMetrics().height() / 4);
    group->addWidget(label);
    group->addWidget(control, stretch);
    layout->addLayout(group, stretch);
}

void sizeList(QWidget* list) {
    list->setMinimumSize(list->fontMetrics().averageCharWidth() * kListChars,
                         list->fontMetrics().height() * kListLines);
}

QString startingFolder(const QString& requested) {
    if (!requested.isEmpty() && QFileInfo(requested).isDir()) {
        return QDir::cleanPath(QDir(requested).absolutePath());
    }
    return QDir::currentPath();
}

} // namespace

QString selectedFilePath(const QString& folder, const QString& fileName) {
    return QDir::toNativeSeparators(folder) + QDir::separator() + fileName;
}

FileSelectDialog::FileSelectDialog(const QString& startFolder, QWidget* parent)
    : QDialog(parent), drives_(new DriveList(this)), folders_(new FolderList(this)),
      files_(new FileList(this)), selected_(new PathLabel(this)),
      ok_(makeButton("cmdOK", QStringLiteral("OK"), this)),
      cancel_(makeButton("cmdCancel", QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("frmFileSelect"));
    setWindowTitle(QStringLiteral("File Select"));
    selected_->setObjectName(QStringLiteral("lblSelectedFile"));
    sizeList(folders_);
    sizeList(files_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    ok_->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(fontMetrics().height() * 3 / 4);
    addGroup(layout, "lblDriveSelect", QStringLiteral("Drive Select"), drives_);
    addGroup(layout, "lblDirectorySelect", QStringLiteral("Directory Select"), folders_, 1);
    addGroup(layout, "lblFileSelect", QStringLiteral("File Select"), files_, 1);
    addGroup(layout, "lblSelectedFileCaption", QStringLiteral("Selected File"), selected_);
    layout->addWidget(buttons);

    connect(drives_, &DriveList::driveChanged, folders_, &FolderList::setFolder);
    connect(folders_, &FolderList::folderChanged, this, [this](const QString& folder) {
        files_->setFolder(folder);
        drives_->showDriveOf(folder);
    });
    connect(files_, &FileList::fileClicked, this, [this](const QString& name) {
        setSelectedFile(selectedFilePath(files_->folder(), name));
    });
    connect(files_, &FileList::fileDoubleClicked, this, [this](const QString& name) {
        setSelectedFile(selectedFilePath(files_->folder(), name));
        accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    folders_->setFolder(startingFolder(startFolder));
    resize(sizeHint());
}

QString FileSelectDialog::selectedFile() const {
    return selected_->text();
}

void FileSelectDialog::setSelectedFile(const QString& path) {
    selected_->setPath(path);
    ok_->setEnabled(!path.isEmpty());
}

} // namespace payvanta::ui::qt
