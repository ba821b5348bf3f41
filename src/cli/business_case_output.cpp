#include "business_case_output.h"

#include "json_report.h"
#include "model/number_text.h"
#include "reports/business_case_text.h"

#include <cmath>

namespace payvanta::cli {

namespace {

// A number as a machine reads it: a decimal point, no grouping, the decimals given.
std::string machineNumber(const Figure& f, int decimals) {
    if (!f.has()) {
        return {};
    }
    return numbers::format(*f.value, numbers::NumberFormat{decimals, false, false},
                           LocaleConventions::unitedStates());
}

// A number too large to write is no figure.
Figure finite(double value) {
    return std::isfinite(value) ? Figure::of(value) : Figure::none(NoFigure::TooLarge);
}

Figure sum(const Figure& a, const Figure& b) {
    if (!a.has()) {
        return a;
    }
    if (!b.has()) {
        return b;
    }
    return finite(*a.value + *b.value);
}

} // namespace

CaseRow caseRow(const std::string& file, const SavingsModel& model) {
    const BusinessCase bc = computeBusinessCase(model);
    return {file,
            model.record.get(Field::CustName),
            model.record.get(Field::ProjName),
            bc.energy,
            bc.maintenance,
            bc.inventory,
            bc.total,
            finite(bc.kwhPerYear),
            bc.co2PerYear,
            bc.netCost,
            bc.payback};
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + "\"";
}

void writeCsvHeader(std::ostream& out) {
    out << "File,Customer,Project,Energy,Maintenance,Inventory,Total,kWh per Year,"
           "Payback Years,CO2 Tonnes per Year\r\n";
}

void writeCsvRow(std::ostream& out, const CaseRow& row) {
    out << csvField(row.file) << ',' << csvField(row.customer) << ',' << csvField(row.project)
        << ',' << machineNumber(row.energy, 2) << ',' << machineNumber(row.maintenance, 2) << ','
        << machineNumber(row.inventory, 2) << ',' << machineNumber(row.total, 2) << ','
        << machineNumber(row.kwhPerYear, 0) << ',' << machineNumber(row.payback, 2) << ','
        << machineNumber(row.co2PerYear, 2) << "\r\n";
}

void RollUp::add(const CaseRow& row) {
    if (files_++ == 0) {
        sum_ = row;
        return;
    }
    sum_.energy = sum(sum_.energy, row.energy);
    sum_.maintenance = sum(sum_.maintenance, row.maintenance);
    sum_.inventory = sum(sum_.inventory, row.inventory);
    sum_.total = sum(sum_.total, row.total);
    sum_.kwhPerYear = sum(sum_.kwhPerYear, row.kwhPerYear);
    sum_.co2PerYear = sum(sum_.co2PerYear, row.co2PerYear);
    sum_.netCost = sum(sum_.netCost, row.netCost);
}

CaseRow RollUp::total() const {
    CaseRow out = files_ == 0 ? CaseRow{} : sum_;
    out.file = "Total of " + std::to_string(files_) + (files_ == 1 ? " file" : " files");
    out.customer.clear();
    out.project.clear();
    if (files_ == 0) {
        out.energy = out.maintenance = out.inventory = out.total = out.co2PerYear = out.kwhPerYear =
            Figure::of(0);
        out.netCost = Figure::none(NoFigure::NoCost);
    }
    out.payback = simplePayback(out.netCost, out.total);
    return out;
}

void RollUp::writeText(std::ostream& out, const LocaleConventions& locale) const {
    const CaseRow t = total();
    const auto money = [&](const Figure& f) {
        return f.has() ? numbers::format(*f.value, numbers::kCurrency, locale)
                       : reports::whyNot(f, locale);
    };
    const auto named = [&](double v, std::string_view name) {
        return numbers::format(v, numbers::NumberFormat::named(name), locale);
    };
    out << t.file << '\n';
    out << "  Energy       " << money(t.energy) << '\n';
    out << "  Maintenance  " << money(t.maintenance) << '\n';
    out << "  Inventory    " << money(t.inventory) << '\n';
    out << "  Total        " << money(t.total) << '\n';
    out << "  Energy saved "
        << (t.kwhPerYear.has() ? named(*t.kwhPerYear.value, "##,##0") + " kWh a year"
                               : reports::whyNot(t.kwhPerYear, locale))
        << '\n';
    out << "  CO2 avoided  "
        << (t.co2PerYear.has() ? named(*t.co2PerYear.value, "##,##0.0") + " tonnes a year"
                               : reports::whyNot(t.co2PerYear, locale))
        << '\n';
    out << "  Net cost     " << money(t.netCost) << '\n';
    out << "  Payback      " << reports::paybackText(t.payback, t.netCost, {}, locale, true)
        << '\n';
}

void RollUp::writeJson(std::ostream& out, const LocaleConventions& locale,
                       std::string_view indent) const {
    const CaseRow t = total();
    const auto number = [&](std::string_view name, const Figure& f, int decimals, bool last) {
        out << indent << "  ";
        writeJsonString(out, name);
        out << ": " << (f.has() ? machineNumber(f, decimals) : "null") << (last ? "\n" : ",\n");
    };
    out << "{\n" << indent << "  \"files\": " << files_ << ",\n";
    number("energy", t.energy, 2, false);
    number("maintenance", t.maintenance, 2, false);
    number("inventory", t.inventory, 2, false);
    number("total", t.total, 2, false);
    number("kwhPerYear", t.kwhPerYear, 0, false);
    number("co2TonnesPerYear", t.co2PerYear, 2, false);
    number("netCost", t.netCost, 2, false);
    number("paybackYears", t.payback, 2, false);
    out << indent << "  \"payback\": ";
    writeJsonString(out, reports::paybackText(t.payback, t.netCost, {}, locale, true));
    out << '\n' << indent << "}";
}

} // namespace payvanta::cli
