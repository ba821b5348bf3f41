#include "ui/qt/file_list.h"

#include <QDir>
#include <QStyle>

namespace payvanta::ui::qt {

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("File1"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // Selection, not the current item: taking the focus makes an item current without the
    // user having picked it.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> picked = selectedItems();
        if (!picked.isEmpty()) {
            emit fileClicked(picked.first()->text());
        }
    });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit fileDoubleClicked(item->text()); });
}

void FileList::setFolder(const QString& path) {
    folder_ = QDir::cleanPath(QDir(path).absolutePath());
    clear();
    const QDir dir(folder_, QString::fromLatin1(kPattern),
                   QDir::Name | QDir::IgnoreCase | QDir::LocaleAware, QDir::Files);
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString& name : dir.entryList()) {
        // A long name is cut at the list's edge; the tool tip shows it whole.
        auto* item = new QListWidgetItem(fileIcon, name, this);
        item->setToolTip(name);
    }
}

} // namespace payvanta::ui::qt
