#include "report_page.h"

#include <string>

namespace payvanta::reports {

const ReportItem* ReportPage::item(std::string_view name) const {
    for (const ReportItem& i : items) {
        if (i.name == name) {
            return &i;
        }
    }
    return nullptr;
}

ReportItem* ReportPage::item(std::string_view name) {
    return const_cast<ReportItem*>(static_cast<const ReportPage&>(*this).item(name));
}

const std::string& ReportPage::text(std::string_view name) const {
    static const std::string kNone;
    const ReportItem* found = item(name);
    return found != nullptr ? found->text : kNone;
}

std::string_view formName(ReportForm form) {
    switch (form) {
    case ReportForm::Hoist:
        return "Hoist";
    case ReportForm::Trolley:
        return "Trolley";
    case ReportForm::Bridge:
        return "Bridge";
    case ReportForm::Inventory:
        return "Inventory";
    case ReportForm::Maintenance:
        return "Maintenance";
    case ReportForm::EnergySavings:
        return "EnergySavings";
    case ReportForm::BusinessCase:
        return "BusinessCase";
    case ReportForm::Savings:
        break;
    }
    return "Savings";
}

} // namespace payvanta::reports
