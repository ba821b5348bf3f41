#pragma once

#include "print_page.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace payvanta::reports {

// Why printing failed: the printer's own error; a PDF file that could not be written,
// with the system's error number, its reason and where it was to go; or any other
// failure with its number and description.
struct PrintFailure {
    enum class Kind { Printer, Other, File };
    PrintFailure(Kind kind, int number, std::string description, std::string place = {})
        : kind(kind), number(number), description(std::move(description)), place(std::move(place)) {
    }

    Kind kind;
    int number;
    std::string description;
    // Of a file that could not be written: its folder, or the file the user chose.
    std::string place;
};

// A section of a document that its outline names, at the first page it holds (0 the
// first page of the job).
struct OutlineEntry {
    std::string title;
    int page = 0;
};

// What a PDF file says of itself beyond its pages: its title (else the job's name), who
// wrote it, what it is about, and its outline (bookmarks).
struct DocumentInfo {
    std::string title;
    std::string author;
    std::string subject;
    std::vector<OutlineEntry> outline;
};

// Where printed pages go: the system's printer, or PDF files. Each print command is one
// job: begun, its pages printed one by one, ended. A failure comes back to the caller,
// who reports it and goes on with the next step.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // The job's name ("Crane - Print All - 2026-12-06 201503") names its PDF file.
    virtual std::optional<PrintFailure> beginJob(std::string_view name) = 0;
    // What the next job's file says of itself; a printer has no use for it.
    virtual void describeDocument(DocumentInfo /*info*/) {}
    virtual std::optional<PrintFailure> printPage(const PrintPage& page) = 0;
    // The pages go to the printer, or the PDF file is written whole; a job that fails
    // leaves no file behind.
    virtual std::optional<PrintFailure> endJob() = 0;

    // Where the last job that ended went: the PDF file, or the printer's name.
    virtual std::string destination() const = 0;
    virtual bool writesFiles() const = 0;
};

// A whole document as one job, up to its first failure: a file written in one go, with
// nobody there to be told of a page's failure and go on (the command line, a benchmark).
inline std::optional<PrintFailure> printWhole(PrintTarget& target, std::string_view name,
                                              const std::vector<PrintPage>& pages) {
    std::optional<PrintFailure> failure = target.beginJob(name);
    for (const PrintPage& page : pages) {
        if (!failure) {
            failure = target.printPage(page);
        }
    }
    return failure ? failure : target.endJob();
}

} // namespace payvanta::reports
