#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

namespace payvanta::ui::qt {

class DriveList;
class FileList;
class FolderList;
class PathLabel;

// The selected-file text for a file of a folder: the folder, a separator and the name. A
// root folder already ends with a separator, so its files get two ("//a.qvr"); such a path
// still opens.
QString selectedFilePath(const QString& folder, const QString& fileName);

// frmFileSelect, "File Select": picks an existing project file through a drive list
// (Drive1), a folder list (Dir1) and a file list of "*.qvr" files (File1). Clicking a file
// shows its full path in lblSelectedFile; OK (cmdOK) can be pressed once that holds a path.
// The caller runs it with exec() and reads selectedFile() after Accepted.
class FileSelectDialog : public QDialog {
    Q_OBJECT

public:
    // The lists start at `startFolder`, or at the working folder when it is empty or gone.
    explicit FileSelectDialog(const QString& startFolder = {}, QWidget* parent = nullptr);

    // The text of lblSelectedFile: empty until a file is clicked.
    QString selectedFile() const;

private:
    void setSelectedFile(const QString& path);

    DriveList* drives_;
    FolderList* folders_;
    FileList* files_;
    PathLabel* selected_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace payvanta::ui::qt
