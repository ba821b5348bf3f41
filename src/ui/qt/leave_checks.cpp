#include "leave_checks.h"

#include <QTimer>

namespace payvanta::ui::qt {

void LeaveChecks::fieldLeft(Check check) {
    if (formMovesFocus()) {
        return;
    }
    pending_.push_back(std::move(check));
    if (!running_ && !scheduled_) {
        scheduled_ = true;
        QTimer::singleShot(0, this, &LeaveChecks::runPending);
    }
}

void LeaveChecks::runPending() {
    scheduled_ = false;
    if (running_) {
        return; // the check that is running picks up the rest when it is done
    }
    running_ = true;
    while (!pending_.empty()) {
        Check check = std::move(pending_.front());
        pending_.pop_front();
        check();
    }
    running_ = false;
}

} // namespace payvanta::ui::qt
