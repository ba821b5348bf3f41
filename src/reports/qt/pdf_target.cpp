#include "pdf_target.h"

#include "files/output_folder.h"
#include "files/text_file.h"
#include "pdf_outline.h"
#include "reports/report_clock.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <cerrno>
#include <utility>

namespace payvanta::reports::qt {

namespace {

constexpr int kDotsPerInch = 1440; // a dot a twip

PrintFailure otherFailure(int number, std::string description) {
    return {PrintFailure::Kind::Other, number, std::move(description)};
}

PrintFailure fileFailure(const files::Failure& failure, const std::filesystem::path& place) {
    return {PrintFailure::Kind::File, failure.error, failure.reason, place.string()};
}

} // namespace

std::unique_ptr<PdfTarget> PdfTarget::inFolder(std::filesystem::path folder) {
    return std::unique_ptr<PdfTarget>(new PdfTarget(std::move(folder), true));
}

std::unique_ptr<PdfTarget> PdfTarget::toFile(std::filesystem::path file) {
    return std::unique_ptr<PdfTarget>(new PdfTarget(std::move(file), false));
}

PdfTarget::PdfTarget(std::filesystem::path folderOrFile, bool folder)
    : place_(std::move(folderOrFile)), folder_(folder) {}

PdfTarget::~PdfTarget() = default;

std::optional<PrintFailure> PdfTarget::beginJob(std::string_view name) {
    painter_.reset();
    if (folder_) {
        // A second job of the same name in the same second gets a number of its own.
        auto file = files::newFileNameIn(place_, name, ".pdf");
        if (!file) {
            return fileFailure(file.failure(), place_);
        }
        file_ = std::move(*file);
    } else {
        file_ = place_;
    }
    bytes_.close();
    bytes_.setData(QByteArray());
    bytes_.open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(&bytes_);
    writer_->setResolution(kDotsPerInch);
    writer_->setCreator(QStringLiteral("Payvanta"));
    const std::string_view title = document_.title.empty() ? name : document_.title;
    writer_->setTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    writer_->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                       QMarginsF(18, 18, 18, 18), QPageLayout::Point));
    painter_.emplace(*writer_);
    return std::nullopt;
}

std::optional<PrintFailure> PdfTarget::printPage(const PrintPage& page) {
    const auto failed = painter_->paint(page, 1.0);
    if (!failed) {
        return std::nullopt;
    }
    return otherFailure(EIO, *failed == JobPainter::Failure::Begin
                                 ? "The PDF could not be started."
                                 : "A page could not be added to the PDF.");
}

std::optional<PrintFailure> PdfTarget::endJob() {
    const bool printed = painter_ && painter_->started();
    if (printed) {
        painter_->end();
    }
    painter_.reset();
    writer_.reset();
    bytes_.close();
    if (!printed) {
        return std::nullopt; // no page came: no file
    }
    QByteArray pdf = reproduciblePdf(bytes_.data());
    const DocumentInfo document = std::exchange(document_, {});
    if (!document.author.empty() || !document.subject.empty() || !document.outline.empty()) {
        auto described = withDocumentInfo(pdf, document);
        if (!described) {
            return otherFailure(EIO, "The outline could not be added to the PDF.");
        }
        pdf = std::move(*described);
    }
    // In a folder others may write to, a link planted at the file's name is replaced,
    // never written through.
    if (const auto failure = files::replaceFileAtomically(
            file_, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
            files::LinkAtName::Replace)) {
        return fileFailure(*failure, place_);
    }
    destination_ = file_;
    return std::nullopt;
}

QByteArray reproduciblePdf(QByteArray pdf) {
    // Qt writes the moment the file was made, in local time with its offset from UTC
    // ("20261206211503+01'00'", or "...Z" in UTC). When SOURCE_DATE_EPOCH fixes the dates,
    // the file is dated by that moment in UTC instead, in as many bytes, so that nothing
    // else moves; a date of another form is left as Qt wrote it.
    const DateSource source = dateSourceOfEnvironment();
    if (source.kind != DateSource::Kind::Fixed) {
        return pdf;
    }
    static const QByteArray kDate = QByteArrayLiteral("/CreationDate (D:");
    const qsizetype at = pdf.indexOf(kDate);
    const qsizetype end = at < 0 ? -1 : pdf.indexOf(')', at);
    if (end < 0) {
        return pdf;
    }
    const qsizetype from = at + kDate.size();
    std::string stamp = formatDateTime(source.moment, "yyyyMMddHHmmss");
    stamp += end - from == static_cast<qsizetype>(stamp.size()) + 1 ? "Z" : "+00'00'";
    if (end - from != static_cast<qsizetype>(stamp.size())) {
        return pdf;
    }
    pdf.replace(from, end - from, QByteArray::fromStdString(stamp));
    return pdf;
}

} // namespace payvanta::reports::qt
