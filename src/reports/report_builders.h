#pragma once

#include "model/savings_model.h"
#include "report_clock.h"
#include "report_page.h"

namespace payvanta::reports {

// What a page is built from: the open project with what its last recalculation left (the
// motions' energy results, the maintenance and inventory totals, the summary texts), and
// the moment the page is opened.
struct ReportInputs {
    const SavingsModel& model;
    DateTime now;
};

// Each builds its page and computes its fields once, as the page does when it is loaded.
ReportPage buildSavings(const ReportInputs& in);
ReportPage buildEnergySavings(const ReportInputs& in);
ReportPage buildMaintenance(const ReportInputs& in);
ReportPage buildInventory(const ReportInputs& in);
// The hoist, trolley or bridge energy analysis.
ReportPage buildMotionReport(Motion m, const ReportInputs& in);
// The retrofit's business case, from the project's business-case inputs.
ReportPage buildBusinessCase(const ReportInputs& in);

ReportPage buildReport(ReportForm form, const ReportInputs& in);

} // namespace payvanta::reports
