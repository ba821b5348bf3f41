#include "report_menu.h"

namespace payvanta::reports {

std::vector<ReportMenuItem> reportMenu(ReportForm form) {
    const ReportMenuItem back{"mnuBack", "Back", std::nullopt};
    if (form == ReportForm::Savings) {
        // The summary keeps the older print of the form's image beside the drawn one.
        return {back,
                {"mnuPrint", "Print Old", ReportPrint::PrintOld},
                {"mnuPrintSummary", "Print", ReportPrint::Print}};
    }
    return {back, {"mnuPrint", "Print", ReportPrint::Print}};
}

} // namespace payvanta::reports
