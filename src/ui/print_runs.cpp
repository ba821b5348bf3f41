#include "print_runs.h"

#include "help_pages.h"
#include "reports/report_builders.h"
#include "ui_texts.h"

#include <filesystem>

namespace payvanta::ui {

namespace {

using reports::ReportForm;

// The order of Print All.
constexpr ReportForm kAllPages[] = {
    ReportForm::Savings, ReportForm::EnergySavings, ReportForm::Maintenance, ReportForm::Inventory,
    ReportForm::Hoist,   ReportForm::Trolley,       ReportForm::Bridge};

} // namespace

reports::PrintFont PrintRuns::printFont() const {
    const ProjectRecord& r = form_.model().record;
    return {r.printFontName(), r.printFontSize(), false};
}

reports::ReportPage PrintRuns::page(ReportForm form, std::string_view pageLabel) const {
    reports::ReportPage p = reports::buildReport(form, {form_.model(), clock_()});
    if (reports::ReportItem* label = p.item("lblPage")) {
        label->text = pageLabel;
    }
    return p;
}

std::vector<reports::PrintPage> PrintRuns::allReportPages() {
    std::vector<reports::PrintPage> pages;
    const reports::PrintFont font = printFont();
    int number = 1;
    for (const ReportForm form : kAllPages) {
        const reports::ReportPage p = page(form, "Page " + std::to_string(number) + " of 7");
        // The first page is the summary drawn directly, which prints no page label.
        pages.push_back(number == 1 ? reports::printedSummary(p, font)
                                    : reports::printedForm(p, font));
        ++number;
    }
    return pages;
}

void PrintRuns::printSummary() {
    if (setup_.target != nullptr) {
        run(*setup_.target, "Print Summary",
            {reports::printedSummary(page(ReportForm::Savings, ""), printFont())}, true);
    }
}

void PrintRuns::printSummaryPage() {
    if (setup_.target != nullptr) {
        const reports::PrintFont font = printFont();
        const reports::Shift shift = reports::summaryShift(font);
        run(*setup_.target, "Print Summary",
            {reports::printedForm(page(ReportForm::Savings, "Page 1 of 1"), font, shift.left,
                                  shift.top)},
            true);
    }
}

void PrintRuns::printAllReports() {
    if (setup_.target != nullptr) {
        run(*setup_.target, "Print All", allReportPages(), true);
    }
}

void PrintRuns::printHelp() {
    if (setup_.target == nullptr) {
        return;
    }
    // Before a print font is chosen (no project yet) the pages take the screen's font.
    reports::PrintFont font = printFont();
    if (font.name.empty() || font.size == 0) {
        font = reports::screenFont();
    }
    std::vector<reports::PrintPage> pages;
    for (const std::string& text : printedHelpPages(form_.model().state.lineBreak)) {
        pages.push_back(reports::printedText(text, font));
    }
    run(*setup_.target, "Print Help", pages, false);
}

void PrintRuns::saveAsPdf() {
    if (!setup_.pdfFile) {
        return;
    }
    const auto path = form_.view().choosePdfFile(jobName("Print All") + ".pdf");
    if (!path) {
        return;
    }
    const std::unique_ptr<reports::PrintTarget> file = setup_.pdfFile(*path);
    run(*file, "Print All", allReportPages(), true);
}

reports::PrintPage PrintRuns::printedReport(const reports::ReportPage& shown,
                                            ReportPrint command) const {
    const reports::PrintFont font = printFont();
    if (shown.form == ReportForm::Savings && command == ReportPrint::Print) {
        return reports::printedSummary(shown, font);
    }
    reports::Shift shift{0, 0};
    if (shown.form == ReportForm::Savings) {
        shift = reports::summaryShift(font);
    }
    return reports::printedForm(shown, font, shift.left, shift.top);
}

void PrintRuns::printReport(const reports::ReportPage& shown, ReportPrint command) {
    if (setup_.target == nullptr) {
        return;
    }
    run(*setup_.target, reports::formName(shown.form), {printedReport(shown, command)}, false);
}

void PrintRuns::run(reports::PrintTarget& target, std::string_view command,
                    const std::vector<reports::PrintPage>& pages, bool lockCommands) {
    const FormState before = form_.state();
    if (lockCommands) {
        form_.enterState(FormState::Printing);
    }
    bool begun = false;
    bool failed = false;
    for (const reports::PrintPage& p : pages) {
        if (!begun) {
            if (const auto failure = target.beginJob(jobName(command))) {
                report(*failure);
                failed = true;
                if (failure->kind == reports::PrintFailure::Kind::File) {
                    break; // a PDF file that cannot be had for one page cannot for the next
                }
                continue; // the next page tries again
            }
            begun = true;
        }
        if (const auto failure = target.printPage(p)) {
            report(*failure);
            failed = true;
        }
    }
    if (begun) {
        if (const auto failure = target.endJob()) {
            report(*failure);
        } else if (!failed) {
            form_.view().showStatus(texts::printedTo(target.destination(), target.writesFiles()));
        }
    }
    if (lockCommands) {
        form_.enterState(before);
    }
}

std::string PrintRuns::jobName(std::string_view command) const {
    // Named after the project file, the command and the time it ran.
    const std::string& path = form_.model().state.currentFilePath;
    const std::string project =
        path.empty() ? std::string("Payvanta") : std::filesystem::path(path).stem().string();
    return project + " - " + std::string(command) + " - " +
           reports::formatDateTime(clock_(), "yyyy-MM-dd HHmmss");
}

void PrintRuns::report(const reports::PrintFailure& failure) {
    form_.message(texts::printFailure(failure));
}

} // namespace payvanta::ui
