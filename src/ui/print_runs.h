#pragma once

#include "form_context.h"
#include "reports/print_target.h"
#include "reports/report_clock.h"
#include "reports/report_page.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace payvanta::ui {

// What printing is sent to: the run's printer (or PDF folder), and PDF files of a path the
// user chooses (File > Save as PDF...).
struct PrintSetup {
    reports::PrintTarget* target = nullptr;
    std::function<std::unique_ptr<reports::PrintTarget>(const std::string& path)> pdfFile;
};

using reports::ReportPrint;

// The print runs of the main form and its reports: which pages each command prints, in
// which font, and what the user is told. A failing page is reported with the program's
// message and the run goes on with the next page; a PDF file that cannot be written is
// reported once, and ends the run.
class PrintRuns {
public:
    PrintRuns(FormContext& form, reports::Clock clock) : form_(form), clock_(std::move(clock)) {}

    void setup(PrintSetup setup) { setup_ = std::move(setup); }

    // The "Print Summary" button: the summary drawn directly in the print font.
    void printSummary();
    // The "Print Summary" menu item: the summary's form as page 1 of 1.
    void printSummaryPage();
    // The seven pages: summary, energy savings, maintenance, inventory, hoist, trolley,
    // bridge, numbered "Page n of 7" from the second on; no recalculation first.
    void printAllReports();
    void printHelp();
    // The seven pages of Print All into one PDF file chosen by the user.
    void saveAsPdf();
    // A command of the report window showing this page, as it was loaded.
    void printReport(const reports::ReportPage& page, ReportPrint command);

    // The pages of Print All, as they would print now.
    std::vector<reports::PrintPage> allReportPages();
    // The page as the command of its window prints it.
    reports::PrintPage printedReport(const reports::ReportPage& shown, ReportPrint command) const;

private:
    reports::PrintFont printFont() const;
    reports::ReportPage page(reports::ReportForm form, std::string_view pageLabel) const;
    // One job of pages on the target; the commands of the main form wait while it runs
    // when lockCommands is set.
    void run(reports::PrintTarget& target, std::string_view command,
             const std::vector<reports::PrintPage>& pages, bool lockCommands);
    std::string jobName(std::string_view command) const;
    void report(const reports::PrintFailure& failure);

    FormContext& form_;
    reports::Clock clock_;
    PrintSetup setup_;
};

} // namespace payvanta::ui
