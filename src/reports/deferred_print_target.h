#pragma once

#include "print_target.h"

#include <functional>
#include <memory>

namespace payvanta::reports {

// A print target chosen at the first print job, not before: asking the system for its
// printers loads the printer system (its plug-in and libraries), which the program does
// not need until the user prints. The target chosen then serves the rest of the run.
class DeferredPrintTarget final : public PrintTarget {
public:
    using Choose = std::function<std::unique_ptr<PrintTarget>()>;

    explicit DeferredPrintTarget(Choose choose) : choose_(std::move(choose)) {}

    std::optional<PrintFailure> beginJob(std::string_view name) override;
    std::optional<PrintFailure> printPage(const PrintPage& page) override;
    std::optional<PrintFailure> endJob() override;
    // Before the first job there is nowhere the pages went: empty, and no files.
    std::string destination() const override;
    bool writesFiles() const override;

    // Whether the first job has chosen the target yet.
    bool chosen() const { return target_ != nullptr; }

private:
    Choose choose_;
    std::unique_ptr<PrintTarget> target_;
};

} // namespace payvanta::reports
