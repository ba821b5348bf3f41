#include "project_file_layout.h"

#include "model/number_text.h"
#include "text_encoding.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace payvanta::files {

namespace {

constexpr std::string_view kCrLf = "\r\n";

constexpr std::array<std::string_view, 6> kHeader{
    "* This is a Comment.",
    "* Blank lines will not be read.",
    "* This is the default user file.",
    "* Format for this file: Variable name, Seperator '=', Data.",
    "* You may edit the data in this file by hand.",
    "* NOTE:  If a variable is not found, it's value will be set to 0.",
};

void line(std::string& out, std::string_view text = {}) {
    out += text;
    out += kCrLf;
}

void setting(std::string& out, std::string_view key, std::string_view value) {
    out += key;
    out += " = ";
    // A line break inside a value would split the setting and let its second half pass
    // for a setting of its own; it is written as a space.
    for (const char c : value) {
        out.push_back(c == '\r' || c == '\n' ? ' ' : c);
    }
    out += kCrLf;
}

void setting(std::string& out, const ProjectRecord& record, const LocaleConventions& locale,
             Field field) {
    setting(out, fieldKey(field),
            isNumberField(field) ? numbers::fileNumberText(record.get(field), locale)
                                 : record.get(field));
}

void settings(std::string& out, const ProjectRecord& record, const LocaleConventions& locale,
              Field first, Field last) {
    for (auto i = index(first); i <= index(last); ++i) {
        setting(out, record, locale, static_cast<Field>(i));
    }
}

void motionBlock(std::string& out, const ProjectRecord& record, const LocaleConventions& locale,
                 Motion m) {
    settings(out, record, locale, motorField(m), distanceField(m));
    line(out);
    settings(out, record, locale, dutyCycleField(m, 1), dutyCycleField(m, 5));
    line(out);
    line(out);
}

} // namespace

std::string projectFileText(const ProjectRecord& record, const LocaleConventions& locale) {
    std::string out;
    out.reserve(2048);
    for (const auto h : kHeader) {
        line(out, h);
    }
    line(out);
    line(out);
    line(out, "* Loads the Project Information frame");
    settings(out, record, locale, Field::CustName, Field::MaintPerHour);
    line(out);
    line(out, "* Loads the Inventory Costs\\Maintenance frame.");
    settings(out, record, locale, Field::ContactElec, Field::ShoeLife);
    line(out);
    line(out, "* Loads the Hoist frame, from the Hoist sheet.");
    motionBlock(out, record, locale, Motion::Hoist);
    line(out, "* Loads the Trolley frame");
    motionBlock(out, record, locale, Motion::Trolley);
    line(out, "* Loads the Bridge frame, from the Bridge sheet.");
    motionBlock(out, record, locale, Motion::Bridge);
    line(out, "* Sets the Printer Fonts.");
    setting(out, record, locale, Field::PrintFontName);
    setting(out, record, locale, Field::PrintFontSize);
    // The business case follows in a block of its own, only once the user has entered
    // any of it: a project without one is written as it always was, and a reader that
    // does not know these keys passes them by.
    const BusinessCaseInputs& businessCase = record.businessCase();
    if (businessCase.anyEntered()) {
        line(out);
        line(out, "* The business case: retrofit cost, project life, discount rate, CO2 factor.");
        for (const CaseInput input : kCaseInputs) {
            const std::string& value = businessCase.get(input);
            if (value.empty() && savedOnlyWhenSet(input)) {
                continue;
            }
            setting(out, caseInputKey(input),
                    isNumberInput(input) ? numbers::fileNumberText(value, locale) : value);
        }
    }
    return out;
}

BusinessCaseInputs readBusinessCase(const KeyValueTable& table) {
    BusinessCaseInputs inputs;
    for (const CaseInput input : kCaseInputs) {
        // The first setting of a key counts, as for every other key.
        const std::string_view key = caseInputKey(input);
        const auto found = std::find_if(table.begin(), table.end(),
                                        [key](const auto& pair) { return pair.first == key; });
        if (found != table.end()) {
            inputs.set(input, found->second);
        }
    }
    return inputs;
}

std::string encodeProjectFile(const std::string& text) {
    // Windows-1252 bytes that also form UTF-8 beyond ASCII would be read back as UTF-8,
    // another text (capital A circumflex and one-half are C2 BD, the UTF-8 of one-half
    // alone): such a file is written in UTF-8.
    if (auto ansi = encoding::utf8ToWindows1252(text);
        ansi && encoding::decodeFileText(*ansi) == text) {
        return std::move(*ansi);
    }
    return text;
}

} // namespace payvanta::files
