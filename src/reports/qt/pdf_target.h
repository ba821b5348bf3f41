#pragma once

#include "reports/print_target.h"
#include "reports/qt/job_painter.h"

#include <QBuffer>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

class QPdfWriter;

namespace payvanta::reports::qt {

// Printing into PDF files: each job one file, US Letter in portrait, at 1440 dots per inch.
// The file is written whole only when the job ends, so a job that fails leaves none. A
// link at the file's name is replaced by the file, never written through; a FIFO or a
// device there is refused. A file that cannot be written fails with Kind::File.
class PdfTarget final : public PrintTarget {
public:
    // Each job a file of its own name in the folder (made when missing), beside what is
    // there already.
    static std::unique_ptr<PdfTarget> inFolder(std::filesystem::path folder);
    // Every job into this one file.
    static std::unique_ptr<PdfTarget> toFile(std::filesystem::path file);
    ~PdfTarget() override;

    std::optional<PrintFailure> beginJob(std::string_view name) override;
    // The next job's file takes this title, author, subject and outline.
    void describeDocument(DocumentInfo info) override { document_ = std::move(info); }
    std::optional<PrintFailure> printPage(const PrintPage& page) override;
    std::optional<PrintFailure> endJob() override;
    std::string destination() const override { return destination_.string(); }
    bool writesFiles() const override { return true; }

private:
    PdfTarget(std::filesystem::path folderOrFile, bool folder);

    std::filesystem::path place_;
    bool folder_;
    std::filesystem::path file_;
    std::filesystem::path destination_;
    QBuffer bytes_;
    std::unique_ptr<QPdfWriter> writer_;
    std::optional<JobPainter> painter_; // of the job under way, on writer_
    DocumentInfo document_;
};

// The same PDF bytes for the same pages: when SOURCE_DATE_EPOCH fixes the dates (see
// reports::DateSource), the creation date is that moment in UTC.
QByteArray reproduciblePdf(QByteArray pdf);

} // namespace payvanta::reports::qt
