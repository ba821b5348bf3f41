#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>
#include <chrono>
#include <memory>

namespace payvanta::test {

// Processes events until `done` holds or the deadline has passed; whether it held.
template <typename Condition>
bool processEventsUntil(Condition done,
                        std::chrono::milliseconds deadline = std::chrono::seconds(5)) {
    const QDeadlineTimer timer(deadline);
    while (!done()) {
        if (timer.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Processes the events posted so far (a leave check runs as one), then those they post in
// turn, a few rounds deep: afterwards nothing set off by what went before is still waiting.
inline bool processPostedEvents(int rounds = 3) {
    for (int round = 0; round < rounds; ++round) {
        const auto reached = std::make_shared<bool>(false);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [reached] { *reached = true; }, Qt::QueuedConnection);
        if (!processEventsUntil([reached] { return *reached; })) {
            return false;
        }
    }
    return true;
}

} // namespace payvanta::test
