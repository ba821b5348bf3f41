#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <string>

namespace payvanta::ui::qt {

// Runs the form's leave checks one at a time, after the focus change that set them off
// has completed. A check may show a message box and send the focus back to its field;
// focus moves the form makes itself are not the user leaving a field, so they set off no
// check, and a check never runs while another one's message box is open.
class LeaveChecks : public QObject {
    Q_OBJECT

public:
    using Check = std::function<void()>;

    explicit LeaveChecks(QObject* parent = nullptr) : QObject(parent) {}

    // The user left a field: its check runs once the event loop is back.
    void fieldLeft(Check check);

    // While the form moves the focus itself, leaving a field sets off nothing.
    class FormMovesFocus {
    public:
        explicit FormMovesFocus(LeaveChecks& checks) : checks_(checks) { ++checks_.formMoves_; }
        ~FormMovesFocus() { --checks_.formMoves_; }
        FormMovesFocus(const FormMovesFocus&) = delete;
        FormMovesFocus& operator=(const FormMovesFocus&) = delete;

    private:
        LeaveChecks& checks_;
    };

    bool running() const { return running_; }

private:
    void runPending();

    std::deque<Check> pending_;
    int formMoves_ = 0;
    bool running_ = false;
    bool scheduled_ = false;
};

} // namespace payvanta::ui::qt
