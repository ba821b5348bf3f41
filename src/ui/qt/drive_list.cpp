#include "ui/qt/drive_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace payvanta::ui::qt {

namespace {

QString labelOf(const QString& rootPath) {
    const QString name = QStorageInfo(rootPath).name();
    const QString shown = QDir::toNativeSeparators(rootPath);
    return name.isEmpty() ? shown : QStringLiteral("%1  [%2]").arg(shown, name);
}

} // namespace

QStringList availableDriveRoots() {
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives()) {
        roots << QDir::cleanPath(drive.absoluteFilePath());
    }
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Containers mount single files (hosts, resolv.conf): only folders can be browsed.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()) {
            roots << QDir::cleanPath(volume.rootPath());
        }
    }
    roots.removeDuplicates();
    roots.sort(Qt::CaseInsensitive);
    return roots;
}

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("Drive1"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    for (const QString& root : availableDriveRoots()) {
        addDrive(root);
    }
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            emit driveChanged(itemData(index).toString());
        }
    });
}

QString DriveList::drive() const {
    return currentData().toString();
}

void DriveList::showDriveOf(const QString& folder) {
    const QString root = QDir::cleanPath(QStorageInfo(folder).rootPath());
    if (root.isEmpty()) {
        return;
    }
    const QSignalBlocker quiet(this);
    if (indexOfRoot(root) < 0) {
        addDrive(root);
    }
    setCurrentIndex(indexOfRoot(root));
}

int DriveList::indexOfRoot(const QString& rootPath) const {
    return findData(rootPath);
}

void DriveList::addDrive(const QString& rootPath) {
    // Keep the list sorted when a drive turns up that was not reported at the start.
    int row = 0;
    while (row < count() &&
           QString::compare(itemData(row).toString(), rootPath, Qt::CaseInsensitive) < 0) {
        ++row;
    }
    insertItem(row, labelOf(rootPath), rootPath);
}

} // namespace payvanta::ui::qt
