// A project from end to end: any bytes opened as a project (its business case included),
// every report page and the business case built, the printed pages made, the JSON, CSV
// and roll-up of payvanta-calc written, then saved and opened again, in the United States
// and in Germany. Nothing may throw, and the project opened again must hold what the
// first opening held: every field's text, the print font and the business case.
#include "cli/business_case_output.h"
#include "cli/json_report.h"
#include "files/project_file.h"
#include "fuzz_input_file.h"
#include "fuzz_locales.h"
#include "reports/page_text.h"
#include "reports/terminal_text.h"
#include "ui/main_form.h"
#include "ui/quiet_view.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

using namespace payvanta;

namespace {

constexpr reports::ReportForm kForms[] = {
    reports::ReportForm::Hoist,       reports::ReportForm::Trolley,
    reports::ReportForm::Bridge,      reports::ReportForm::Inventory,
    reports::ReportForm::Maintenance, reports::ReportForm::EnergySavings,
    reports::ReportForm::Savings,     reports::ReportForm::BusinessCase,
};

// Shows nothing, but keeps the last message, to tell why a project could not be opened.
class MessageView final : public ui::QuietView {
public:
    void showMessage(std::string_view text) override { last = text; }
    std::string last;
};

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", reports::visibleControls(what).c_str());
    std::abort();
}

std::unique_ptr<ui::MainForm> opened(MessageView& view, const LocaleConventions& locale,
                                     const std::filesystem::path& path) {
    auto form = std::make_unique<ui::MainForm>(
        view, locale, fuzz::runFolder(), [] { return files::ReferenceTables{}; },
        [] { return reports::DateTime{2026, 12, 6, 20, 15, 3}; });
    form->load();
    if (!form->openProjectFile(path.string())) {
        return nullptr;
    }
    return form;
}

// Everything payvanta-calc and the report windows make of the project.
void writeEverything(ui::MainForm& form, const std::string& path, const LocaleConventions& locale) {
    std::ostringstream sink;
    for (const reports::ReportForm report : kForms) {
        const reports::ReportPage page = form.reportPage(report);
        sink << reports::pageAsText(page, reports::visibleControls);
        cli::writeJsonPage(sink, page, "  ");
    }
    // The seven pages of Print All, and the business case as its window prints it.
    (void)form.allReportPages();
    (void)form.printedReport(reports::ReportForm::BusinessCase);
    cli::writeJsonResult(sink, form.model(), "");
    const cli::CaseRow row = cli::caseRow(path, form.model());
    cli::writeCsvRow(sink, row);
    // The roll-up of the file given twice: its sums go beyond the file's own figures.
    cli::RollUp rollUp;
    rollUp.add(row);
    rollUp.add(row);
    cli::writeCsvRow(sink, rollUp.total());
    rollUp.writeText(sink, locale);
    rollUp.writeJson(sink, locale, "  ");
}

// The project opened again holds what it held when it was saved.
void expectSame(const ProjectRecord& first, const ProjectRecord& again) {
    for (const Field field : allFields()) {
        if (first.get(field) != again.get(field)) {
            fail("round trip: " + std::string(fieldKey(field)) + " was \"" + first.get(field) +
                 "\", opened again \"" + again.get(field) + "\"");
        }
    }
    if (first.printFontSize() != again.printFontSize()) {
        fail("round trip: the print font size was " + std::to_string(first.printFontSize()) +
             ", opened again " + std::to_string(again.printFontSize()));
    }
    for (const CaseInput input : kCaseInputs) {
        const std::string& was = first.businessCase().get(input);
        const std::string& now = again.businessCase().get(input);
        if (was != now) {
            fail("round trip: " + std::string(caseInputKey(input)) + " was \"" + was +
                 "\", opened again \"" + now + "\"");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const LocaleConventions locales[] = {LocaleConventions::unitedStates(), fuzzLocale(".")};
    const auto path = fuzz::writeInput("Crane.QVR", data, size);
    const auto saved = fuzz::runFolder() / "Saved.QVR";
    for (const LocaleConventions& locale : locales) {
        MessageView view;
        const auto first = opened(view, locale, path);
        if (!first) {
            continue; // not a project file: the reader's own target covers that
        }
        writeEverything(*first, path.string(), locale);
        if (const auto failure = files::writeProjectFile(saved, first->model().record, locale)) {
            // A project whose file would be too large to open again is refused, not saved.
            if (failure->error == EFBIG) {
                continue;
            }
            fail("saving failed: " + failure->path + ": " + failure->reason);
        }
        const auto again = opened(view, locale, saved);
        if (!again) {
            fail("the saved project cannot be opened again: " + view.last);
        }
        expectSame(first->model().record, again->model().record);
    }
    return 0;
}
