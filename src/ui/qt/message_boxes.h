#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace payvanta::ui::qt {

// Every modal question of the main form goes through one object, so that tests can
// answer it in advance instead of a person clicking.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A message with an OK button, no icon and the application title.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // Yes and No; true for Yes.
    virtual bool yesNo(QWidget* parent, const QString& question) = 0;
    // A single-line input box with an empty default answer; nothing when cancelled.
    virtual std::optional<QString> input(QWidget* parent, const QString& prompt) = 0;
};

// The real boxes, titled "Stravolux_QVR".
class QtMessageBoxes final : public MessageBoxes {
public:
    void message(QWidget* parent, const QString& text) override;
    bool yesNo(QWidget* parent, const QString& question) override;
    std::optional<QString> input(QWidget* parent, const QString& prompt) override;
};

// The title of every box of the program.
QString applicationTitle();

} // namespace payvanta::ui::qt
