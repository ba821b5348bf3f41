#include "field_events.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

namespace payvanta::ui::qt {

namespace {

bool isLeavingReason(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

} // namespace

FieldEvents::FieldEvents(QWidget* field, Handlers handlers)
    : QObject(field), handlers_(std::move(handlers)) {
    field->installEventFilter(this);
    QLineEdit* text = qobject_cast<QLineEdit*>(field);
    if (auto* list = qobject_cast<QComboBox*>(field)) {
        text = list->lineEdit();
        if (text != nullptr) {
            text->installEventFilter(this);
        }
    }
    if (text != nullptr && !handlers_.takesPaste) {
        text->setAcceptDrops(false);
    }
}

int FieldEvents::characterCode(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Paste)) {
        return 22;
    }
    switch (event.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        return -1; // a shortcut, not a character
    }
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127) {
        return -1;
    }
    return text.at(0).unicode();
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event) {
    if (!handlers_.takesPaste) {
        if (refusePaste(watched, event)) {
            return true;
        }
        if (watched != parent()) {
            return false; // the text part of a list: its keys reach the list itself
        }
    } else if (watched != parent()) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = characterCode(*key);
        if (code >= 0 && handlers_.keyPressed && handlers_.keyPressed(code) == 0) {
            return true; // discarded: the field never sees the key
        }
        break;
    }
    case QEvent::FocusOut:
        // The first time a list opens, its popup takes the focus twice over, the second
        // time for no reason Qt names: while a popup is open, the user is still here.
        if (handlers_.left && isLeavingReason(static_cast<QFocusEvent*>(event)->reason()) &&
            QApplication::activePopupWidget() == nullptr) {
            handlers_.left();
        }
        break;
    case QEvent::FocusIn:
        if (handlers_.entered && isLeavingReason(static_cast<QFocusEvent*>(event)->reason())) {
            handlers_.entered();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool FieldEvents::refusePaste(QObject* watched, QEvent* event) {
    auto* text = qobject_cast<QLineEdit*>(watched);
    switch (event->type()) {
    case QEvent::ContextMenu: {
        if (text == nullptr) {
            return false;
        }
        // The usual menu, with its Paste switched off (found by its caption, in the
        // language Qt speaks: its actions carry no names).
        const std::unique_ptr<QMenu> menu(text->createStandardContextMenu());
        const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
        for (QAction* action : menu->actions()) {
            if (action->text().section(QLatin1Char('\t'), 0, 0) == paste) {
                action->setEnabled(false);
            }
        }
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection on X11.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    case QEvent::Drop:
    case QEvent::DragEnter:
    case QEvent::DragMove:
        event->ignore();
        return true;
    default:
        return false;
    }
}

} // namespace payvanta::ui::qt
