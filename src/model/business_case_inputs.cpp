#include "business_case_inputs.h"

#include <algorithm>

namespace payvanta {

namespace {

constexpr std::array<std::string_view, kCaseInputCount> kKeys{
    "DriveCost",   "InstallationCost", "EngineeringCost", "Rebate",
    "ProjectLife", "DiscountRate",     "Co2Factor",       "Co2Source",
};

} // namespace

std::string_view caseInputKey(CaseInput input) {
    return kKeys[static_cast<std::size_t>(input)];
}

std::optional<CaseInput> caseInputByKey(std::string_view key) {
    const auto found = std::find(kKeys.begin(), kKeys.end(), key);
    if (found == kKeys.end()) {
        return std::nullopt;
    }
    return kCaseInputs[static_cast<std::size_t>(found - kKeys.begin())];
}

void BusinessCaseInputs::set(CaseInput input, std::string_view text) {
    // Trimmed as the project file trims a value, so that what is kept reads back the same.
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    texts_[index(input)] = first == std::string_view::npos
                               ? std::string()
                               : std::string(text.substr(first, last - first + 1));
}

bool BusinessCaseInputs::anyEntered() const {
    return std::any_of(texts_.begin(), texts_.end(),
                       [](const std::string& t) { return !t.empty(); });
}

} // namespace payvanta
