#pragma once

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
};

inline constexpr std::size_t kCaseInputCount = 8;

inline constexpr std::array<CaseInput, kCaseInputCount> kCaseInputs{
    CaseInput::DriveCost, CaseInput::InstallationCost, CaseInput::EngineeringCost,
    CaseInput::Rebate,    CaseInput::ProjectLife,      CaseInput::DiscountRate,
    CaseInput::Co2Factor, CaseInput::Co2Source,
};

// Every input but the source of the CO2 factor is a number.
constexpr bool isNumberInput(CaseInput input) {
    return input != CaseInput::Co2Source;
}

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
