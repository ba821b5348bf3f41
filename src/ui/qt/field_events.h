#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace payvanta::ui::qt {

// Turns a field widget's Qt events into the form's events: a character typed (which the
// form may discard), the field left and the field entered. Focus lost to a message box,
// a menu, a popup or another window is no leaving: the user is still in the field.
// `left` is called from inside the focus-out event; whoever handles it must not show a
// box there (see LeaveChecks).
class FieldEvents : public QObject {
    Q_OBJECT

public:
    struct Handlers {
        std::function<int(int)> keyPressed; // the key to keep, 0 to discard it
        std::function<void()> left;
        std::function<void()> entered;
        // Whether text may come in other than by keys: a field whose keys are filtered
        // refuses paste by every route (the context menu, the middle button, dropping).
        bool takesPaste = true;
    };

    // Watches the field, and its text part when the field is a list.
    FieldEvents(QWidget* field, Handlers handlers);

    // The character code a key event types, as the form filters it: backspace 8, Enter
    // 13, Escape 27, paste 22, a printable character's code; -1 for keys that type
    // nothing (arrows, function keys) and for shortcuts such as copy and undo.
    static int characterCode(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the event would paste into a field that refuses it; it is then eaten.
    bool refusePaste(QObject* watched, QEvent* event);

    Handlers handlers_;
};

} // namespace payvanta::ui::qt
