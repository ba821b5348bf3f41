#include "reference_tables.h"

#include "file_naming.h"
#include "text_encoding.h"
#include "text_file.h"

#include <functional>

namespace payvanta::files {

namespace {

constexpr std::size_t kMaxTableBytes = 4 * 1024 * 1024;

using Row = std::vector<std::string_view>;

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const auto sep = line.find(';', start);
        if (sep == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, sep - start));
        start = sep + 1;
    }
}

std::string cleaned(std::string_view field) {
    std::string text(field);
    return StripTabs(text);
}

std::string fieldCountText(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " field" : " fields");
}

// Reads one table: every data row with at least minFields fields goes to onRow, with the
// rest reported.
void readTable(const std::filesystem::path& folder, std::string_view fileName,
               std::size_t minFields, TableHost& host,
               const std::function<void(const Row&, const std::string_view line)>& onRow) {
    const auto path = folder / fileName;
    FileRead read = readSmallTextFile(path, kMaxTableBytes);
    if (!read) {
        host.message("The table \"" + path.string() + "\" could not be read: " + read.reason +
                     ". Its selection list stays empty.");
        return;
    }
    const std::string text = encoding::decodeFileText(*read.bytes);
    forEachLine(text, [&](std::string_view line, std::size_t lineNumber) {
        const std::string_view trimmed = trimSpaces(line);
        if (trimmed.empty() || trimmed.front() == '*' || line.find(';') == std::string_view::npos) {
            return;
        }
        const Row row = splitFields(line);
        if (row.size() < minFields) {
            host.message("Line " + std::to_string(lineNumber) + " of " + std::string(fileName) +
                         " has " + fieldCountText(row.size()) + " where " +
                         fieldCountText(minFields) + " are needed; the row is left out.");
            return;
        }
        onRow(row, line);
    });
}

std::string sizeItem(const Row& row) {
    return cleaned(row[0]) + " " + cleaned(row[4]);
}

} // namespace

std::string StripTabs(std::string& text) {
    std::erase(text, '\t');
    text = std::string(trimSpaces(text));
    return text;
}

std::string FormatMotorItem(std::string_view dutyType, std::string_view frame,
                            std::string_view horsepower, std::string_view volts,
                            std::string_view amperes, std::string_view nemaSize,
                            std::string_view brakeSize) {
    std::string item;
    item.reserve(64);
    item.append("Frame ").append(frame).append(" Motor ").append(horsepower).append("HP ");
    item.append(dutyType).append(" ~ ").append(volts).append(" ~ ").append(amperes);
    item.append(" ~ ").append(nemaSize);
    if (!brakeSize.empty()) {
        item.append(" ~ ").append(brakeSize);
    }
    return item;
}

std::string unknownDutyTypeMessage(std::string_view dutyType) {
    return "Unknown Duty type: " + std::string(dutyType) + " in MillMoto.ini file.";
}

void LoadUtilityRates(const std::filesystem::path& folder, SelectionLists& lists,
                      TableHost& host) {
    readTable(folder, kUtilityRatesFile, 2, host, [&](const Row&, std::string_view line) {
        // The state is trimmed of spaces only; the rate is the rest of the line, so a
        // further ";" stays in it.
        const auto sep = line.find(';');
        const std::string state(trimSpaces(line.substr(0, sep)));
        lists.cmbStateKw.push_back(state + " " + cleaned(line.substr(sep + 1)));
    });
}

void LoadTipCosts(const std::filesystem::path& folder, SelectionLists& lists, TableHost& host) {
    readTable(folder, kTipCostsFile, 5, host, [&](const Row& row, std::string_view) {
        const std::string item = sizeItem(row);
        lists.cmbBridgeNemaSize.push_back(item);
        lists.cmbHoistNemaSize.push_back(item);
        lists.cmbTrolleyNemaSize.push_back(item);
    });
}

void LoadShoeCosts(const std::filesystem::path& folder, SelectionLists& lists, TableHost& host) {
    readTable(folder, kShoeCostsFile, 5, host, [&](const Row& row, std::string_view) {
        lists.cmbBrakeSize.push_back(sizeItem(row));
    });
}

void LoadMotorCatalogue(const std::filesystem::path& folder, SelectionLists& lists,
                        TableHost& host) {
    host.progress(60);
    readTable(folder, kMotorCatalogueFile, 9, host, [&](const Row& row, std::string_view) {
        const std::string duty = cleaned(row[0]);
        if (duty != kHalfHourRating && duty != kOneHourRating) {
            host.message(unknownDutyTypeMessage(duty));
            return;
        }
        const std::string item = FormatMotorItem(duty, cleaned(row[1]), cleaned(row[2]),
                                                 cleaned(row[5]), cleaned(row[4]),
                                                 cleaned(row[6]), cleaned(row[8]));
        if (duty == kHalfHourRating) {
            lists.cmbHoistMotor.push_back(item);
        } else {
            lists.cmbTrolleyMotor.push_back(item);
            lists.cmbBridgeMotor.push_back(item);
        }
    });
    host.progress(70);
}

void LoadReferenceTables(const std::filesystem::path& folder, SelectionLists& lists,
                         TableHost& host) {
    LoadUtilityRates(folder, lists, host);
    LoadTipCosts(folder, lists, host);
    LoadShoeCosts(folder, lists, host);
    LoadMotorCatalogue(folder, lists, host);
}

} // namespace payvanta::files
