#pragma once

#include "reports/print_target.h"

#include <memory>

class QPainter;
class QPrinter;

namespace payvanta::reports::qt {

// Printing on the system's default printer, without a dialog: each job one print job, at
// the printer's resolution. A printer that cannot start, take a page or finish gives the
// printer's error.
class SystemPrinterTarget final : public PrintTarget {
public:
    SystemPrinterTarget();
    ~SystemPrinterTarget() override;

    // Whether the system has a printer to print on.
    static bool available();

    std::optional<PrintFailure> beginJob(std::string_view name) override;
    std::optional<PrintFailure> printPage(const PrintPage& page) override;
    std::optional<PrintFailure> endJob() override;
    std::string destination() const override;
    bool writesFiles() const override { return false; }

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool firstPage_ = true;
};

} // namespace payvanta::reports::qt
