#include "report_window.h"

#include "page_widget.h"
#include "reports/item_names.h"
#include "reports/qt/qt_text.h"
#include "reports/report_menu.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace payvanta::reports::qt {

ReportWindow::ReportWindow(const ReportPage& page, QWidget* parent) : QDialog(parent), page_(page) {
    setObjectName(QString::fromStdString(std::string(formName(page_.form))));
    setWindowTitle(QString::fromStdString(page_.caption));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout_ = layout;
    layout->setContentsMargins(0, 0, 0, 0);
    auto* menus = new QMenuBar(this);
    layout->setMenuBar(menus);
    for (const ReportMenuItem& item : reportMenu(page_.form)) {
        QAction* action = menuItem(toQt(item.control), toQt(item.caption));
        menus->addAction(action);
        if (const auto print = item.print) {
            connect(action, &QAction::triggered, this,
                    [this, print] { emit printRequested(*print); });
        } else {
            connect(action, &QAction::triggered, this, &QDialog::reject);
        }
    }

    auto* scroll = new QScrollArea(this);
    scroll_ = scroll;
    scroll->setObjectName(QStringLiteral("reportScrollArea"));
    scroll->setWidget(buildPage());
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll->setFrameShape(QFrame::NoFrame);
    // The values take the focus, the area around them none; the window opens on the first.
    scroll->setFocusPolicy(Qt::NoFocus);
    if (QWidget* first = qobject_cast<PageWidget*>(scroll->widget())->firstValue()) {
        first->setFocus(Qt::OtherFocusReason);
    }
    layout->addWidget(scroll);

    // As large as the page, but never larger than the screen: the page then scrolls.
    const QSize pageSize = scroll->widget()->size();
    QSize wanted = pageSize + QSize(scroll->verticalScrollBar()->sizeHint().width() + 2,
                                    menus->sizeHint().height() + 2);
    if (const QScreen* screen =
            parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen()) {
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 9 / 10);
    }
    resize(wanted);
}

void ReportWindow::addInputs(QWidget* inputs) {
    layout_->insertWidget(0, inputs);
    // The page keeps the room it had; the window grows by the inputs where it can.
    QSize wanted(width(), height() + inputs->sizeHint().height());
    if (const QScreen* s = screen()) {
        wanted = wanted.boundedTo(s->availableGeometry().size() * 9 / 10);
    }
    resize(wanted);
    // The inputs are what the user came to change: the keys go there first.
    inputs->setFocus(Qt::OtherFocusReason);
}

void ReportWindow::showPage(const ReportPage& page) {
    page_ = page;
    // The page is built again while the focus moves into it or one of its values is
    // clicked: the widget that event goes to must outlive it. The same items keep their
    // widgets, and with them the focus and the scroll position.
    auto* sheet = qobject_cast<PageWidget*>(scroll_->widget());
    if (sheet->showInPlace(page_)) {
        return;
    }
    // Other items need another sheet. The old one leaves at once but is deleted only once
    // the event under way is done with it; the focus moves to its namesake on the new one.
    const int at = scroll_->verticalScrollBar()->value();
    QWidget* focused = QApplication::focusWidget();
    const QString focusedName = sheet->isAncestorOf(focused) ? focused->objectName() : QString();
    // Taken out of the scroll area it loses the focus and is hidden; it stays the window's
    // until then.
    scroll_->takeWidget();
    sheet->setParent(this);
    sheet->deleteLater();
    scroll_->setWidget(buildPage());
    scroll_->verticalScrollBar()->setValue(at);
    if (!focusedName.isEmpty()) {
        if (auto* namesake = scroll_->widget()->findChild<QWidget*>(focusedName)) {
            namesake->setFocus(Qt::OtherFocusReason);
        }
    }
}

QAction* ReportWindow::menuItem(const QString& name, const QString& caption) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    return action;
}

QWidget* ReportWindow::buildPage() {
    auto* sheet = new PageWidget(page_);
    const QString printFormName = QString::fromUtf8(
        names::cmdPrintForm.data(), static_cast<qsizetype>(names::cmdPrintForm.size()));
    if (auto* printForm = sheet->findChild<QPushButton*>(printFormName)) {
        connect(printForm, &QPushButton::clicked, this,
                [this] { emit printRequested(ReportPrint::PrintForm); });
    }
    return sheet;
}

} // namespace payvanta::reports::qt
