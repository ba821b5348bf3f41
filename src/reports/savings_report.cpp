// The savings summary page: customer and project, the three yearly savings and their
// total as the main form shows them, and the further savings of the drive.

#include "page_builder.h"
#include "page_heading.h"
#include "report_builders.h"
#include "savings_text.h"

namespace payvanta::reports {

ReportPage buildSavings(const ReportInputs& in) {
    const SavingsModel& model = in.model;
    static PageLayout layout;
    PageBuilder p(layout, ReportForm::Savings, "Savings Analysis Summary", kSavingsWidth,
                  kSavingsHeight, model.locale());

    const Heading heading = layOutHeading(p, "Savings Analysis Summary",
                                          {{1725, 240, kSavingsLogoWidth, kSavingsLogoHeight},
                                           {"Label31", "Label30", "Label32"},
                                           "Corvanix Payvanta",
                                           {2715, 960, 3015},
                                           {6000, 960, 1935},
                                           {"Label1", "Label9"},
                                           {480, 1800, 900},
                                           {1440, 1800, 4815},
                                           2040});
    p.label("Label8", "Annual Summary", 2160, 2400, 1575);
    p.label("Label7", "Estimated Savings", 3840, 2400, 1575);
    p.label("Label6", "Energy", 2160, 2760, 1575);
    const auto energy = p.field("txtEnergy", 3840, 2760, kAmountWidth);
    p.label("Label5", "Maintenance Labor", 2160, 3000, 1575);
    const auto maintenance = p.field("txtMaintenance", 3840, 3000, kAmountWidth);
    p.label("Label4", "Inventory", 2160, 3240, 1575);
    const auto inventory = p.field("txtInventory", 3840, 3240, kAmountWidth);
    p.label("Label2", "Total", 2160, 3600, 1575);
    const auto total = p.field("txtTotal", 3840, 3600, kAmountWidth);
    // The frame around the total, as the summary page prints it.
    p.frame("shpTotal", 3840 - 50, 3600 - 50, 1550, 300);
    p.at(p.label("Label3", "Additional Savings Opportunities:", 480, 3960, 3495)).bold = true;
    const auto output = p.field("lblOutput", 480, 4200, 7335, Align::Left, 6135);
    const auto page = p.field("lblPage", 3473, 10440, 1335, Align::Center);
    // The page label prints as the screen shows it, whatever the print font.
    p.keepDesignFont({"lblPage"});

    // The amounts are the main form's summary texts as they stand, already formatted.
    fillHeading(p, heading, model, shortDate(in.now, p.locale()));
    p.setText(energy, model.summary.lblSummaryEnergy);
    p.setText(maintenance, model.summary.lblSumaryMaintenance);
    p.setText(inventory, model.summary.lblSummaryInventory);
    p.setText(total, model.summary.lblSummaryTotal);
    p.setText(output, loadText(model.state.lineBreak));
    p.setText(page, "");
    return p.take();
}

} // namespace payvanta::reports
