#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;

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
    };

    FieldEvents(QObject* field, Handlers handlers);

    // The character code a key event types, as the form filters it: backspace 8, Enter
    // 13, Escape 27, paste 22, a printable character's code; -1 for keys that type
    // nothing (arrows, function keys) and for shortcuts such as copy and undo.
    static int characterCode(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handlers handlers_;
};

} // namespace payvanta::ui::qt
