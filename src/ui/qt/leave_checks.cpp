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
        QTimer::singleShot(0, this, [this] { runPending(); });
    }
}

bool LeaveChecks::runPendingNow() {
    return runPending();
}

bool LeaveChecks::runPending() {
    scheduled_ = false;
    if (running_) {
        return true; // the check that is running picks up the rest when it is done
    }
    running_ = true;
    bool clean = true;
    while (!pending_.empty()) {
        Check check = std::move(pending_.front());
        pending_.pop_front();
        clean = check() && clean;
    }
    running_ = false;
    return clean;
}

} // namespace payvanta::ui::qt
