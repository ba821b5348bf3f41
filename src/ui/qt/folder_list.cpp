#include "ui/qt/folder_list.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace payvanta::ui::qt {

namespace {

constexpr int kPathRole = Qt::UserRole;

QListWidgetItem* addEntry(QListWidget* list, const QIcon& icon, const QString& text,
                          const QString& path) {
    auto* item = new QListWidgetItem(icon, text, list);
    item->setData(kPathRole, path);
    item->setToolTip(QDir::toNativeSeparators(path));
    return item;
}

} // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("Dir1"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::enter);
}

void FolderList::setFolder(const QString& path) {
    const QString cleaned = QDir::cleanPath(QDir(path).absolutePath());
    if (cleaned == folder_) {
        return;
    }
    folder_ = cleaned;
    fill();
    emit folderChanged(folder_);
}

void FolderList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        enter(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderList::enter(QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const QString path = item->data(kPathRole).toString();
    if (path.isEmpty() || path == folder_) {
        return;
    }
    if (!QFileInfo(path).isDir()) {
        fill(); // it went away meanwhile
        return;
    }
    setFolder(path);
}

void FolderList::fill() {
    clear();
    QDir dir(folder_);
    auto* current = addEntry(this, style()->standardIcon(QStyle::SP_DirOpenIcon),
                             QDir::toNativeSeparators(folder_), folder_);
    QFont bold = current->font();
    bold.setBold(true);
    current->setFont(bold);
    if (!dir.isRoot()) {
        QDir parent = dir;
        parent.cdUp();
        addEntry(this, style()->standardIcon(QStyle::SP_FileDialogToParent),
                 QString::fromLatin1(kParentEntry), QDir::cleanPath(parent.absolutePath()));
    }
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QStringList subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                 QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& name : subfolders) {
        addEntry(this, folderIcon, name, dir.filePath(name));
    }
}

} // namespace payvanta::ui::qt
