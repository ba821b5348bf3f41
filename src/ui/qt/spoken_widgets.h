#pragma once

#include <QFrame>
#include <QWidget>

namespace payvanta::ui::qt {

// A notice a screen reader says when it comes, without taking the focus: the window
// tells the user what changed where they are not looking (the new total). Nothing of it
// is seen; it is heard as a notification.
class SpokenNotice : public QWidget {
    Q_OBJECT

public:
    explicit SpokenNotice(QWidget* parent);

    // Says the text; the same text again is said again.
    void say(const QString& text);
};

// A dividing line: heard as a separator, with no name of its own.
class DividingLine : public QFrame {
    Q_OBJECT

public:
    explicit DividingLine(QWidget* parent = nullptr);
};

} // namespace payvanta::ui::qt
