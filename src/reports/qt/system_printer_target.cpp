#include "system_printer_target.h"

#include "page_painter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace payvanta::reports::qt {

namespace {

constexpr int kTwipsPerInch = 1440;

PrintFailure printerError() {
    return {PrintFailure::Kind::Printer, 482, "Printer error"};
}

} // namespace

SystemPrinterTarget::SystemPrinterTarget() = default;
SystemPrinterTarget::~SystemPrinterTarget() = default;

bool SystemPrinterTarget::available() {
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

std::optional<PrintFailure> SystemPrinterTarget::beginJob(std::string_view name) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setDocName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    painter_ = std::make_unique<QPainter>();
    firstPage_ = true;
    return std::nullopt;
}

std::optional<PrintFailure> SystemPrinterTarget::printPage(const PrintPage& page) {
    if (firstPage_) {
        if (!painter_->begin(printer_.get())) {
            return printerError();
        }
        firstPage_ = false;
    } else if (!printer_->newPage()) {
        return printerError();
    }
    paintPage(*painter_, page, static_cast<double>(kTwipsPerInch) / printer_->resolution());
    return printer_->printerState() == QPrinter::Error ? std::optional(printerError())
                                                       : std::nullopt;
}

std::optional<PrintFailure> SystemPrinterTarget::endJob() {
    if (firstPage_) {
        return std::nullopt;
    }
    const bool ended = painter_->end();
    const bool failed = !ended || printer_->printerState() == QPrinter::Error;
    return failed ? std::optional(printerError()) : std::nullopt;
}

std::string SystemPrinterTarget::destination() const {
    return printer_ ? printer_->printerName().toStdString() : std::string();
}

} // namespace payvanta::reports::qt
