#include "form_fixture.h"
#include "reports/print_target.h"
#include "support/example_project.h"

#include <gtest/gtest.h>
#include <map>

using namespace payvanta;
using namespace payvanta::test;
using reports::PrintFailure;
using reports::PrintPage;
using V = std::vector<std::string>;

namespace {

// A printer that records its jobs and pages, and fails where it is told to.
class FakePrinter final : public reports::PrintTarget {
public:
    std::vector<std::string> jobs;
    std::vector<PrintPage> pages;
    // The commands of the window when the first page printed.
    const std::map<std::string, bool>* watched = nullptr;
    std::map<std::string, bool> enabledAtFirstPage;
    int ended = 0;
    // Fail at the n-th begin, page or end (counted from 1 over the fake's life); 0: never.
    int failBegin = 0;
    int failPage = 0;
    int failEnd = 0;
    PrintFailure failure{PrintFailure::Kind::Printer, 482, "Printer error"};

    std::optional<PrintFailure> beginJob(std::string_view name) override {
        jobs.emplace_back(name);
        return failIf(++begins_ == failBegin);
    }
    std::optional<PrintFailure> printPage(const PrintPage& page) override {
        if (pages.empty() && watched != nullptr) {
            enabledAtFirstPage = *watched;
        }
        pages.push_back(page);
        return failIf(static_cast<int>(pages.size()) == failPage);
    }
    std::optional<PrintFailure> endJob() override { return failIf(++ended == failEnd); }
    std::string destination() const override { return "Office Laser"; }
    bool writesFiles() const override { return false; }

private:
    std::optional<PrintFailure> failIf(bool fail) const {
        return fail ? std::optional(failure) : std::nullopt;
    }
    int begins_ = 0;
};

// The size of the first text of the page in the form's print font (its customer).
int customerSize(const PrintPage& page) {
    return page.item("txtCustomer")->font.size;
}

const std::string k482 = "Unable to print, the following error was encountered. \n\n"
                         "     Run time error 482 Printer error.\n\nHit OK to continue.";

class PrintRunsTest : public FormTest {
protected:
    void SetUp() override {
        openProject();
        form.setPrinting({&printer, {}});
        printer.watched = &view.enabled;
    }
    void choose(int fontItem) { form.command({"mnuFont", fontItem}); }

    FakePrinter printer;
};

TEST_F(PrintRunsTest, print_all_prints_the_seven_pages_in_order_with_their_page_labels) {
    form.command({"cmdPrintAll"});
    ASSERT_EQ(printer.pages.size(), 7u);
    EXPECT_EQ(printer.jobs, V{"Example - Print All - 2026-12-06 201503"});
    // The summary is drawn directly and carries no label; the others print theirs.
    EXPECT_EQ(printer.pages[0].item("lblPage"), nullptr);
    EXPECT_EQ(printer.pages[0].item("txtTotal")->text, form.model().summary.lblSummaryTotal);
    for (std::size_t i = 1; i < 7; ++i) {
        EXPECT_EQ(printer.pages[i].item("lblPage")->text,
                  "Page " + std::to_string(i + 1) + " of 7");
        EXPECT_EQ(printer.pages[i].item("cmdPrintForm"), nullptr);
    }
    EXPECT_NE(printer.pages[2].item("txtCostTotal"), nullptr);
    EXPECT_NE(printer.pages[6].item("txtDccpKWHR(6)"), nullptr);
    EXPECT_EQ(view.linesStartingWith({"status"}), V{"status Printed on Office Laser"});
    // The commands wait while the pages print, and come back after.
    EXPECT_FALSE(printer.enabledAtFirstPage.at("cmdPrintAll"));
    EXPECT_FALSE(printer.enabledAtFirstPage.at("cmdClose"));
    EXPECT_TRUE(view.enabled.at("cmdPrintAll"));
}

TEST_F(PrintRunsTest, each_page_takes_the_print_font_up_to_its_own_cap_and_the_project_keeps_it) {
    choose(5); // Arial 12
    form.command({"mnuPrintAll"});
    std::vector<int> sizes;
    for (const PrintPage& p : printer.pages) {
        sizes.push_back(customerSize(p));
    }
    EXPECT_EQ(sizes, (std::vector<int>{12, 8, 10, 9, 8, 10, 10}));
    EXPECT_EQ(printer.pages[1].item("txtCustomer")->font.name, "Arial");
    // The controls left alone keep the screen font, the page label on every page; the
    // other cells of a motion table take the print font.
    EXPECT_EQ(printer.pages[1].item("lblPage")->font.name, "MS Sans Serif");
    EXPECT_EQ(printer.pages[5].item("txtMinCycleTimeMinutes")->font.size, 8);
    EXPECT_EQ(printer.pages[4].item("txtDccpKWSecL(1)")->font, reports::screenFont());
    EXPECT_EQ(printer.pages[5].item("txtDccpActualKW(1)")->font,
              (reports::PrintFont{"Arial", 10, false}));
    EXPECT_EQ(form.model().record.printFontSize(), 12);
    EXPECT_TRUE(view.checked.at("mnuFont(5)"));
}

TEST_F(PrintRunsTest, the_summary_aligns_its_amounts_on_the_total_and_places_its_text_by_font) {
    choose(6); // Times New Roman 7: 60 twips a character, the text at 3000
    form.command({"cmdPrintSummary"});
    ASSERT_EQ(printer.pages.size(), 1u);
    const PrintPage& p = printer.pages[0];
    const auto chars = [](const std::string& s) { return static_cast<int>(s.size()); };
    const std::string& total = p.item("txtTotal")->text;
    EXPECT_EQ(p.item("txtTotal")->left, 6000);
    for (const char* amount : {"txtEnergy", "txtMaintenance", "txtInventory"}) {
        EXPECT_EQ(p.item(amount)->left, 6000 + (chars(total) - chars(p.item(amount)->text)) * 60);
    }
    EXPECT_EQ(p.item("Label3")->left, 3000);
    EXPECT_TRUE(p.item("Label3")->font.bold);
    EXPECT_EQ(p.items.back().text,
              "Note: Results of this analysis are an estimate, may vary from actual experience "
              "and are not guaranteed.");
    EXPECT_FALSE(p.items.back().top.has_value()); // each line below the one before
}

TEST_F(PrintRunsTest, the_summary_menu_prints_the_form_shifted_as_page_1_of_1) {
    form.command({"mnuPrintSummary"});
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.pages[0].item("lblPage")->text, "Page 1 of 1");
    EXPECT_EQ(printer.pages[0].item("txtTotal")->left, 3840 + 1500);
    EXPECT_EQ(*printer.pages[0].item("txtTotal")->top, 3600 + 1000);
}

TEST_F(PrintRunsTest, the_help_prints_three_pages_of_lines_in_the_buffer_font_before_a_project) {
    // A form with no project, so no print font yet.
    TempFolder other;
    copyShippedData(other.path());
    FakeView otherView;
    ui::MainForm fresh(otherView, LocaleConventions::unitedStates(), other.path(), {},
                       [] { return reports::DateTime{2026, 12, 6, 20, 15, 3}; });
    fresh.load();
    FakePrinter printer;
    fresh.setPrinting({&printer, {}});
    fresh.command({"cmdPrintHelp"});
    ASSERT_EQ(printer.pages.size(), 3u);
    const auto& first = printer.pages[0].items;
    EXPECT_EQ(first[0].text, "");
    EXPECT_EQ(first[1].text, "     Getting Started");
    EXPECT_EQ(first.back().text, "                      Page 1 of 3");
    EXPECT_EQ(first[1].left, 600);
    EXPECT_EQ(first[1].font.name, "MS Sans Serif");
    EXPECT_EQ(first[1].font.size, 8);
    EXPECT_EQ(printer.pages[2].items[4].text, "    Saving and Printing.");
    EXPECT_EQ(printer.jobs, V{"Payvanta - Print Help - 2026-12-06 201503"});
}

TEST_F(PrintRunsTest, a_failing_printer_gets_its_message_and_the_run_goes_on) {
    printer.failPage = 3; // the maintenance page
    printer.failEnd = 2;  // the second job cannot finish
    form.command({"cmdPrintAll"});
    EXPECT_EQ(printer.pages.size(), 7u);
    EXPECT_EQ(view.messages(), V{k482});
    // Nothing is said to have printed when a page did not.
    EXPECT_EQ(view.linesStartingWith({"status"}), V{});
    view.clearLog();
    form.command({"cmdPrintSummary"});
    EXPECT_EQ(view.messages(), V{k482});
    EXPECT_TRUE(view.enabled.at("cmdPrintAll"));
}

TEST_F(PrintRunsTest, a_job_that_cannot_begin_is_tried_again_for_the_next_page) {
    printer.failBegin = 1;
    printer.failure = {PrintFailure::Kind::Other, 13, "Permission denied"};
    form.command({"cmdPrintHelp"});
    EXPECT_EQ(printer.jobs.size(), 2u);
    EXPECT_EQ(printer.pages.size(), 2u);
    EXPECT_EQ(view.messages(),
              V{"13Permission denied Please make a note of this and hit OK to continue."});
}

TEST_F(PrintRunsTest, an_unwritable_pdf_folder_is_told_once_by_name_and_ends_the_run) {
    printer.failBegin = 1;
    printer.failure = {PrintFailure::Kind::File, 13, "Permission denied", "/home/ann/Printouts"};
    form.command({"cmdPrintAll"});
    EXPECT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.pages.size(), 0u);
    EXPECT_EQ(view.messages(),
              V{"The PDF could not be written to /home/ann/Printouts: Permission denied."});
    EXPECT_EQ(view.linesStartingWith({"status"}), V{});
    EXPECT_TRUE(view.enabled.at("cmdPrintAll"));
}

TEST_F(PrintRunsTest, a_report_window_prints_its_page_as_loaded_without_a_label) {
    const reports::ReportPage hoist = form.reportPage(reports::ReportForm::Hoist);
    form.printReport(hoist, ui::ReportPrint::PrintForm);
    const reports::ReportPage savings = form.reportPage(reports::ReportForm::Savings);
    form.printReport(savings, ui::ReportPrint::Print);
    form.printReport(savings, ui::ReportPrint::PrintOld);
    ASSERT_EQ(printer.pages.size(), 3u);
    EXPECT_EQ(printer.pages[0].item("lblPage"), nullptr);
    EXPECT_EQ(printer.pages[0].item("cmdPrintForm"), nullptr);
    EXPECT_EQ(printer.pages[1].item("txtTotal")->left, 6000);
    EXPECT_EQ(printer.pages[2].item("txtTotal")->left, 3840 + 1500);
    EXPECT_EQ(printer.jobs,
              (V{"Example - Hoist - 2026-12-06 201503", "Example - Savings - 2026-12-06 201503",
                 "Example - Savings - 2026-12-06 201503"}));
}

} // namespace
