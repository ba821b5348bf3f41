#pragma once

#include <QListWidget>
#include <QString>

namespace payvanta::ui::qt {

// Dir1: the folder list of the file selection dialog. It shows the chosen folder on top,
// then its parent entry ".." (none at a root) and its subfolders; a double click or Enter
// on an entry enters that folder.
class FolderList : public QListWidget {
    Q_OBJECT

public:
    static constexpr const char* kParentEntry = "..";

    explicit FolderList(QWidget* parent = nullptr);

    QString folder() const { return folder_; }
    // Moves to a folder and announces it with folderChanged() when it is another one.
    void setFolder(const QString& path);

signals:
    void folderChanged(const QString& path);

protected:
    // Enter enters the current entry; it must not reach the dialog's default button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void enter(QListWidgetItem* item);
    void fill();

    QString folder_;
};

} // namespace payvanta::ui::qt
