#include "field_events.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>

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

FieldEvents::FieldEvents(QObject* field, Handlers handlers)
    : QObject(field), handlers_(std::move(handlers)) {
    field->installEventFilter(this);
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
        if (handlers_.left && isLeavingReason(static_cast<QFocusEvent*>(event)->reason())) {
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

} // namespace payvanta::ui::qt
