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
    // A check returns true when it left its field as it was.
    using Check = std::function<bool()>;

    explicit LeaveChecks(QObject* parent = nullptr) : QObject(parent) {}

    // The user left a field: its check runs once the event loop is back.
    void fieldLeft(Check check);

    // A command is about to run: the checks still waiting run now, before it. True when
    // every one of them left its field as it was.
    bool runPendingNow();

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

    // A focus move the form makes for the user, as when the View menu opens: the field
    // left runs its check as if the user had moved on.
    class UserMovesFocus {
    public:
        explicit UserMovesFocus(LeaveChecks& checks) : checks_(checks) { ++checks_.userMoves_; }
        ~UserMovesFocus() { --checks_.userMoves_; }
        UserMovesFocus(const UserMovesFocus&) = delete;
        UserMovesFocus& operator=(const UserMovesFocus&) = delete;

    private:
        LeaveChecks& checks_;
    };

    // True while the focus may move without the user leaving a field.
    bool formMovesFocus() const { return formMoves_ > 0 && userMoves_ == 0; }

    bool running() const { return running_; }

private:
    bool runPending();

    std::deque<Check> pending_;
    int formMoves_ = 0;
    int userMoves_ = 0;
    bool running_ = false;
    bool scheduled_ = false;
};

} // namespace payvanta::ui::qt
