#include "system_printer_target.h"

#include "cups_library.h"
#include "reports/qt/page_painter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextStream>

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
    const QString title = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    name_ = name;
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setDocName(title);
    const bool cupsQueue =
        printer_->outputFormat() == QPrinter::NativeFormat && !printer_->printerName().isEmpty();
    cups_ = cupsQueue ? CupsLibrary::load() : nullptr;
    writer_.reset();
    device_ = printer_.get();
    if (cups_ != nullptr) {
        pdf_.close();
        pdf_.setData(QByteArray());
        pdf_.open(QIODevice::WriteOnly);
        writer_ = std::make_unique<QPdfWriter>(&pdf_);
        writer_->setResolution(printer_->resolution());
        writer_->setCreator(QStringLiteral("Payvanta"));
        writer_->setTitle(title);
        writer_->setPageLayout(printer_->pageLayout());
        device_ = writer_.get();
    }
    painter_ = std::make_unique<QPainter>();
    firstPage_ = true;
    return std::nullopt;
}

std::optional<PrintFailure> SystemPrinterTarget::printPage(const PrintPage& page) {
    if (firstPage_) {
        if (!painter_->begin(device_)) {
            return printerError();
        }
        firstPage_ = false;
    } else if (!device_->newPage()) {
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
    if (cups_ == nullptr) {
        const bool failed = !ended || printer_->printerState() == QPrinter::Error;
        return failed ? std::optional(printerError()) : std::nullopt;
    }
    pdf_.close();
    if (!ended) {
        return printerError();
    }
    const QByteArray& pdf = pdf_.data();
    const std::string printer = printer_->printerName().toStdString();
    if (const auto refused = cups_->printPdf(
            printer, name_,
            std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())))) {
        // The printer error names no reason; the one CUPS gave goes to the error output.
        QTextStream(stderr) << "payvanta: " << QString::fromStdString(printer)
                            << " did not take the print job: " << QString::fromStdString(*refused)
                            << '\n';
        return printerError();
    }
    return std::nullopt;
}

std::string SystemPrinterTarget::destination() const {
    return printer_ ? printer_->printerName().toStdString() : std::string();
}

} // namespace payvanta::reports::qt
