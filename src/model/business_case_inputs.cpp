#include "business_case_inputs.h"

#include "number_text.h"

#include <algorithm>
#include <cmath>

namespace payvanta {

namespace {

constexpr std::array<std::string_view, kCaseInputCount> kKeys{
    "DriveCost",    "InstallationCost", "EngineeringCost", "Rebate",     "ProjectLife",
    "DiscountRate", "Co2Factor",        "Co2Source",       "PreparedBy", "PreparedByCompany",
};

// The ranges hold every real retrofit with room to spare: a hundred million dollars is
// more than any crane retrofit costs; a life of whole years; a discount rate of -50 % to
// 100 % a year is wider than any rate a business judges a project by; 5 lb of CO2 per kWh
// is twice what the dirtiest coal plant emits. Within them every figure of the page is
// finite and every percentage fits its column.
constexpr std::array<CaseInputRange, static_cast<std::size_t>(CaseInput::Co2Factor) + 1> kRanges{{
    {"Drive Hardware", 0, 100'000'000, false, ""},
    {"Installation", 0, 100'000'000, false, ""},
    {"Engineering", 0, 100'000'000, false, ""},
    {"Rebate", 0, 100'000'000, false, ""},
    {"Project Life", 1, 100, true, " years"},
    {"Discount Rate", -50, 100, false, " %"},
    {"CO2 Factor", 0, 5, false, " lb per kWh"},
}};

} // namespace

const CaseInputRange& caseInputRange(CaseInput input) {
    return kRanges.at(static_cast<std::size_t>(input));
}

CheckedInput checkCaseInput(CaseInput input, std::string_view text,
                            const LocaleConventions& locale) {
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        return {InputState::NotEntered};
    }
    if (!isNumberInput(input)) {
        return {InputState::Valid};
    }
    const auto value = numbers::parse(text, locale);
    if (!value) {
        // A number beyond any a double holds is beyond the range too.
        return {numbers::beyondDouble(text, locale) ? InputState::OutOfRange
                                                    : InputState::NotNumber};
    }
    const CaseInputRange& range = caseInputRange(input);
    if (*value < range.low || *value > range.high ||
        (range.whole && *value != std::floor(*value))) {
        return {InputState::OutOfRange};
    }
    return {InputState::Valid, *value};
}

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
