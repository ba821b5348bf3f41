// The savings summary page: customer and project, the three yearly savings and their
// total as the main form shows them, and the further savings of the drive.

#include "item_names.h"
#include "page_builder.h"
#include "page_heading.h"
#include "report_builders.h"
#include "savings_text.h"

namespace payvanta::reports {

ReportPage buildSavings(const ReportInputs& in) {
    const SavingsModel& model = in.model;
    PageBuilder p({ReportForm::Savings, "Savings Analysis Summary", kSavingsWidth, kSavingsHeight},
                  model.locale());
    addHeading(p,
               {.logo = {1725, 240, kSavingsLogoWidth, kSavingsLogoHeight},
                .lines = {2715, 960, 3015},
                .date = {6000, 960, 1935},
                .captionNames = {"Label1", "Label9"},
                .customerCaption = {480, 1800, 900},
                .customer = {1440, 1800, 4815},
                .projectTop = 2040},
               model, shortDate(in.now, p.locale()));
    // The amounts are the main form's summary texts as they stand, already formatted.
    p.label("Label8", "Annual Summary", 2160, 2400, 1575);
    p.label("Label7", "Estimated Savings", 3840, 2400, 1575);
    p.label("Label6", "Energy", 2160, 2760, 1575);
    p.setText(p.field(names::txtEnergy, 3840, 2760, kAmountWidth), model.summary.lblSummaryEnergy);
    p.label("Label5", "Maintenance Labor", 2160, 3000, 1575);
    p.setText(p.field(names::txtMaintenance, 3840, 3000, kAmountWidth),
              model.summary.lblSumaryMaintenance);
    p.label("Label4", "Inventory", 2160, 3240, 1575);
    p.setText(p.field(names::txtInventory, 3840, 3240, kAmountWidth),
              model.summary.lblSummaryInventory);
    p.label("Label2", "Total", 2160, 3600, 1575);
    p.setText(p.field(names::txtTotal, 3840, 3600, kAmountWidth), model.summary.lblSummaryTotal);
    // The frame around the total, as the summary page prints it.
    p.frame(names::shpTotal, 3840 - 50, 3600 - 50, 1550, 300);
    p.at(p.label(names::Label3, "Additional Savings Opportunities:", 480, 3960, 3495)).bold = true;
    p.setText(p.field(names::lblOutput, 480, 4200, 7335, Align::Left, 6135),
              loadText(model.state.lineBreak));
    addPageLabel(p, 3473, 10440);
    return p.take();
}

} // namespace payvanta::reports
