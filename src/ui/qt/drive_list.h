#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

namespace payvanta::ui::qt {

// The file-system roots and the mounted volumes that hold folders, sorted by path.
QStringList availableDriveRoots();

// Drive1: the drive list of the file selection dialog. Each entry is the root folder of a
// drive; choosing one announces it with driveChanged().
class DriveList : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(QWidget* parent = nullptr);

    // The root folder of the chosen drive.
    QString drive() const;
    // Shows the drive that holds a folder, without announcing a change: entering a folder
    // may lead onto another volume.
    void showDriveOf(const QString& folder);

signals:
    void driveChanged(const QString& rootPath);

private:
    int indexOfRoot(const QString& rootPath) const;
    void addDrive(const QString& rootPath);
};

} // namespace payvanta::ui::qt
