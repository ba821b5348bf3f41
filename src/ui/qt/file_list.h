#pragma once

#include <QListWidget>
#include <QString>

namespace payvanta::ui::qt {

// File1: the file list of the file selection dialog: the project files of one folder.
class FileList : public QListWidget {
    Q_OBJECT

public:
    // Matched without regard to case: "a.qvr", "B.QVR" and "c.Qvr" are all projects.
    static constexpr const char* kPattern = "*.qvr";

    explicit FileList(QWidget* parent = nullptr);

    QString folder() const { return folder_; }
    void setFolder(const QString& path);

signals:
    // A file was picked with the mouse or the arrow keys.
    void fileClicked(const QString& fileName);
    void fileDoubleClicked(const QString& fileName);

private:
    QString folder_;
};

} // namespace payvanta::ui::qt
