#include "deferred_print_target.h"

namespace payvanta::reports {

std::optional<PrintFailure> DeferredPrintTarget::beginJob(std::string_view name) {
    if (!target_) {
        target_ = choose_();
    }
    return target_->beginJob(name);
}

std::optional<PrintFailure> DeferredPrintTarget::printPage(const PrintPage& page) {
    return target_->printPage(page);
}

std::optional<PrintFailure> DeferredPrintTarget::endJob() {
    return target_->endJob();
}

std::string DeferredPrintTarget::destination() const {
    return target_ ? target_->destination() : std::string();
}

bool DeferredPrintTarget::writesFiles() const {
    return target_ && target_->writesFiles();
}

} // namespace payvanta::reports
