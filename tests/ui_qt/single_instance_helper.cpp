// Another copy of the program, for the single-copy tests:
//
//   single_instance_helper FOLDER LOCK SERVER hand-over TIMEOUT_MS [ARGUMENTS...]
//       a later copy: hands the arguments over; exit 0 when they were confirmed,
//       1 when it found itself the first copy, 2 when nobody took them
//   single_instance_helper FOLDER LOCK SERVER vanish
//       the first copy, crashing: takes the lock and ends without releasing anything
#include "ui/qt/single_instance.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>

using payvanta::ui::qt::SingleInstance;
using payvanta::ui::qt::SingleInstanceNames;

namespace {

enum Exit { kDelivered = 0, kWasFirst = 1, kNotDelivered = 2, kUsage = 64 };

int handOver(SingleInstance& instance, const QStringList& rest) {
    if (rest.isEmpty()) {
        return kUsage;
    }
    if (instance.claim()) {
        return kWasFirst;
    }
    const std::chrono::milliseconds timeout(rest.first().toInt());
    return instance.handOver(rest.mid(1), timeout) ? kDelivered : kNotDelivered;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        return kUsage;
    }
    SingleInstance instance(SingleInstanceNames{args[2], args[3], args[1]});
    const QString mode = args[4];
    if (mode == QLatin1String("hand-over")) {
        return handOver(instance, args.mid(5));
    }
    if (mode == QLatin1String("vanish") && instance.claim()) {
        std::fflush(stdout);
        std::_Exit(0);
    }
    return kUsage;
}
