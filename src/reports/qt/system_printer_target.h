#pragma once

#include "reports/print_target.h"
#include "reports/qt/job_painter.h"

#include <QBuffer>
#include <memory>
#include <optional>
#include <string>

class QPdfWriter;
class QPrinter;

namespace payvanta::reports::qt {

class CupsLibrary;

// Printing on the system's default printer, without a dialog: each job one print job, at
// the printer's resolution. A printer that cannot start, take a page or finish gives the
// printer's error, and so does a job that CUPS does not take (a queue that refuses jobs):
// where the system has libcups, the pages become a PDF of the printer's page layout that
// goes to CUPS when the job ends, since Qt's own CUPS engine never says whether its job was
// taken.
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
    std::unique_ptr<QPrinter> printer_; // the default printer, its name and page layout
    const CupsLibrary* cups_ = nullptr; // the job goes to CUPS from here, else from Qt
    std::string name_;
    QBuffer pdf_;
    std::unique_ptr<QPdfWriter> writer_;
    std::optional<JobPainter> painter_; // of the job under way: on writer_, else on printer_
};

} // namespace payvanta::reports::qt
