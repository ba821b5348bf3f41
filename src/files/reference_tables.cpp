#include "reference_tables.h"

#include "model/text_trim.h"
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
    return stripTabs(text);
}

TableProblem problemIn(std::string_view fileName, TableProblem::Kind kind) {
    TableProblem problem;
    problem.kind = kind;
    problem.fileName = fileName;
    return problem;
}

// The problems of one table's rows: the first few kept, the rest only counted, so that a
// table of a million bad rows costs neither a million messages nor their memory.
class RowProblems {
public:
    explicit RowProblems(std::string_view fileName) : fileName_(fileName) {}

    void add(TableProblem problem) {
        if (problems_.size() < kRowProblemsTold) {
            problems_.push_back(std::move(problem));
        } else {
            ++skipped_;
        }
    }
    TableProblems take() {
        if (skipped_ > 0) {
            TableProblem more = problemIn(fileName_, TableProblem::Kind::MoreRowsSkipped);
            more.rowsSkipped = skipped_;
            problems_.push_back(std::move(more));
        }
        return std::move(problems_);
    }

private:
    std::string_view fileName_;
    TableProblems problems_;
    std::size_t skipped_ = 0;
};

// Reads one table: every data row with at least minFields fields goes to onRow, the rest
// become problems.
TableProblems readTable(
    const std::filesystem::path& folder, std::string_view fileName, std::size_t minFields,
    const std::function<void(const Row&, std::string_view line, RowProblems& problems)>& onRow) {
    const Result<std::string> bytes = readSmallTextFile(folder / fileName, kMaxTableBytes);
    if (!bytes) {
        TableProblem unreadable = problemIn(fileName, TableProblem::Kind::Unreadable);
        unreadable.failure = bytes.failure();
        return {std::move(unreadable)};
    }
    RowProblems problems(fileName);
    const std::string text = encoding::decodeFileText(*bytes);
    forEachLine(text, [&](std::string_view line, std::size_t lineNumber) {
        const std::string_view trimmed = trimSpaces(line);
        if (trimmed.empty() || trimmed.front() == '*' || line.find(';') == std::string_view::npos) {
            return;
        }
        const Row row = splitFields(line);
        if (row.size() < minFields) {
            TableProblem shortRow = problemIn(fileName, TableProblem::Kind::ShortRow);
            shortRow.line = lineNumber;
            shortRow.fields = row.size();
            shortRow.fieldsNeeded = minFields;
            problems.add(std::move(shortRow));
            return;
        }
        onRow(row, line, problems);
    });
    return problems.take();
}

std::string sizeItem(const Row& row) {
    return cleaned(row[0]) + " " + cleaned(row[4]);
}

} // namespace

std::string stripTabs(std::string& text) {
    std::erase(text, '\t');
    text = std::string(trimSpaces(text));
    return text;
}

std::string formatMotorItem(std::string_view dutyType, std::string_view frame,
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

TableProblems loadUtilityRates(const std::filesystem::path& folder, SelectionLists& lists) {
    return readTable(folder, kUtilityRatesFile, 2, [&](const Row&, std::string_view line, auto&) {
        // The state is trimmed of spaces only; the rate is the rest of the line, so a
        // further ";" stays in it.
        const auto sep = line.find(';');
        const std::string state(trimSpaces(line.substr(0, sep)));
        lists.cmbStateKw.push_back(state + " " + cleaned(line.substr(sep + 1)));
    });
}

TableProblems loadTipCosts(const std::filesystem::path& folder, SelectionLists& lists) {
    return readTable(folder, kTipCostsFile, 5, [&](const Row& row, std::string_view, auto&) {
        const std::string item = sizeItem(row);
        lists.cmbBridgeNemaSize.push_back(item);
        lists.cmbHoistNemaSize.push_back(item);
        lists.cmbTrolleyNemaSize.push_back(item);
    });
}

TableProblems loadShoeCosts(const std::filesystem::path& folder, SelectionLists& lists) {
    return readTable(folder, kShoeCostsFile, 5, [&](const Row& row, std::string_view, auto&) {
        lists.cmbBrakeSize.push_back(sizeItem(row));
    });
}

TableProblems loadMotorCatalogue(const std::filesystem::path& folder, SelectionLists& lists) {
    return readTable(folder, kMotorCatalogueFile, 9,
                     [&](const Row& row, std::string_view, RowProblems& problems) {
                         const std::string duty = cleaned(row[0]);
                         if (duty != kHalfHourRating && duty != kOneHourRating) {
                             TableProblem unknown = problemIn(kMotorCatalogueFile,
                                                              TableProblem::Kind::UnknownDutyType);
                             unknown.dutyType = duty;
                             problems.add(std::move(unknown));
                             return;
                         }
                         const std::string item = formatMotorItem(
                             duty, cleaned(row[1]), cleaned(row[2]), cleaned(row[5]),
                             cleaned(row[4]), cleaned(row[6]), cleaned(row[8]));
                         if (duty == kHalfHourRating) {
                             lists.cmbHoistMotor.push_back(item);
                         } else {
                             lists.cmbTrolleyMotor.push_back(item);
                             lists.cmbBridgeMotor.push_back(item);
                         }
                     });
}

ReferenceTables loadReferenceTables(const std::filesystem::path& folder) {
    ReferenceTables tables;
    tables.problems[0] = loadUtilityRates(folder, tables.lists);
    tables.problems[1] = loadTipCosts(folder, tables.lists);
    tables.problems[2] = loadShoeCosts(folder, tables.lists);
    tables.problems[3] = loadMotorCatalogue(folder, tables.lists);
    return tables;
}

} // namespace payvanta::files
