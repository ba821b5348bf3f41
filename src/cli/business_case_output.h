#pragma once

#include "model/business_case.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace payvanta::cli {

// What payvanta-calc tells of one project's business case in a CSV row or a roll-up.
struct CaseRow {
    std::string file;
    std::string customer;
    std::string project;
    Figure energy;
    Figure maintenance;
    Figure inventory;
    Figure total;
    Figure kwhPerYear;
    Figure co2PerYear; // tonnes
    Figure netCost;
    Figure payback; // years
};

CaseRow caseRow(const std::string& file, const SavingsModel& model);

// A CSV field as RFC 4180 writes it: in double quotes, each quote doubled, when it holds
// a comma, a quote or a line break; as it is otherwise.
std::string csvField(std::string_view text);

// The header row and one row per file; lines end in CR LF. Numbers are written with a
// decimal point and no grouping whatever the locale, and a figure that cannot be had
// leaves its field empty.
void writeCsvHeader(std::ostream& out);
void writeCsvRow(std::ostream& out, const CaseRow& row);

// The sum of several projects: each amount, the kWh and the CO2 summed, and the payback of
// the summed cost (none unless every project has a cost).
class RollUp {
public:
    void add(const CaseRow& row);
    std::size_t files() const { return files_; }
    CaseRow total() const;

    void writeText(std::ostream& out, const LocaleConventions& locale) const;
    void writeJson(std::ostream& out, const LocaleConventions& locale,
                   std::string_view indent) const;

private:
    std::size_t files_ = 0;
    CaseRow sum_;
};

} // namespace payvanta::cli
