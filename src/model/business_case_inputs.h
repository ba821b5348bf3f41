#pragma once

#include "locale_conventions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace payvanta {

// What the user enters for the business case of a retrofit: its cost, the life and
// discount rate the return is judged over, and the CO2 emission factor. None of it enters
// the savings: the seven pages and the summary never read it.
enum class CaseInput : std::uint8_t {
    DriveCost,
    InstallationCost,
    EngineeringCost,
    Rebate,
    ProjectLife,  // years
    DiscountRate, // percent per year
    Co2Factor,    // lb CO2 per kWh
    Co2Source,    // where the factor comes from, in the user's words
    // Who hands the proposal to the customer: a name and a company, printed on its cover.
    PreparedBy,
    PreparedByCompany,
};

inline constexpr std::size_t kCaseInputCount = 10;

inline constexpr std::array<CaseInput, kCaseInputCount> kCaseInputs{
    CaseInput::DriveCost,       CaseInput::InstallationCost,
    CaseInput::EngineeringCost, CaseInput::Rebate,
    CaseInput::ProjectLife,     CaseInput::DiscountRate,
    CaseInput::Co2Factor,       CaseInput::Co2Source,
    CaseInput::PreparedBy,      CaseInput::PreparedByCompany,
};

// The cost, the life, the rate and the factor are numbers; the source of the factor and
// who prepared the proposal are any text.
constexpr bool isNumberInput(CaseInput input) {
    return input <= CaseInput::Co2Factor;
}

// An input that the project file holds only once it is set, so that a project saved
// without it keeps its bytes.
constexpr bool savedOnlyWhenSet(CaseInput input) {
    return input >= CaseInput::PreparedBy;
}

// What a real retrofit can have for a number input: a value from low to high, a whole
// number where whole is set. Its name is the caption's without the unit, and the unit is
// what the upper bound is written with in a message ("from 1 to 100 years").
struct CaseInputRange {
    std::string_view name;
    double low = 0;
    double high = 0;
    bool whole = false;
    std::string_view unit;
};

// The range of a number input (isNumberInput).
const CaseInputRange& caseInputRange(CaseInput input);

// An input's text read against its range.
enum class InputState : std::uint8_t {
    NotEntered, // empty: the input takes its default, or a cost part counts as none
    Valid,
    NotNumber,
    OutOfRange,
};

struct CheckedInput {
    InputState state = InputState::NotEntered;
    double value = 0; // when Valid
};

// The one check of an input, wherever it was typed: the page, the window and the command
// line all read an input through it. The source of the CO2 factor is any text.
CheckedInput checkCaseInput(CaseInput input, std::string_view text,
                            const LocaleConventions& locale);

// The key of an input in the project file: "DriveCost", "ProjectLife", "Co2Factor", ...
std::string_view caseInputKey(CaseInput input);
std::optional<CaseInput> caseInputByKey(std::string_view key);

// The inputs as typed, spaces around them trimmed. An empty text is one the user has not
// entered: a cost not entered counts as none, the life, rate and factor take their
// defaults.
class BusinessCaseInputs {
public:
    const std::string& get(CaseInput input) const { return texts_[index(input)]; }
    void set(CaseInput input, std::string_view text);

    // Whether the user has entered anything: only then does the project file hold them.
    bool anyEntered() const;

    friend bool operator==(const BusinessCaseInputs&, const BusinessCaseInputs&) = default;

private:
    static constexpr std::size_t index(CaseInput input) { return static_cast<std::size_t>(input); }

    std::array<std::string, kCaseInputCount> texts_;
};

} // namespace payvanta
