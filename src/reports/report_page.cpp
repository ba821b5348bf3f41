#include "report_page.h"

#include <mutex>
#include <string>
#include <unordered_set>

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

namespace {

struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
        return std::hash<std::string_view>{}(name);
    }
};

} // namespace

std::string_view internName(std::string_view name) {
    static std::mutex guard;
    static std::unordered_set<std::string, NameHash, std::equal_to<>> names;
    const std::lock_guard lock(guard);
    if (const auto known = names.find(name); known != names.end()) {
        return *known;
    }
    return *names.emplace(name).first;
}

} // namespace payvanta::reports
