#pragma once

#include "business_case_inputs.h"
#include "field.h"
#include "locale_conventions.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace payvanta {

// Every input of one crane project, held as the text that was typed, loaded or picked.
// Nothing is normalised when a field is stored. The print font size is the one field
// that is not text: it is a 16-bit integer, shown and saved in its plain decimal form.
class ProjectRecord {
public:
    ProjectRecord();

    const std::string& get(Field field) const { return texts_[index(field)]; }
    // Stores the text and then tells the change observer, as a change of the control
    // that shows the field would. Setting PrintFontSize reads the text as a 16-bit
    // integer (anything else becomes 0).
    void set(Field field, std::string_view text);

    // By project-file key; false (and nothing changes) for a key outside the closed set.
    std::optional<std::string_view> get(std::string_view key) const;
    bool set(std::string_view key, std::string_view text);

    // The number the field's text denotes, or nothing when it is not a number.
    std::optional<double> number(Field field, const LocaleConventions& locale) const;

    const std::string& printFontName() const { return get(Field::PrintFontName); }
    std::int16_t printFontSize() const { return printFontSize_; }
    void setPrintFont(std::string_view name, std::int16_t size);

    // The business case entered for this project, kept and saved with it; no field's
    // change reaction sees it and no saving is computed from it.
    const BusinessCaseInputs& businessCase() const { return businessCase_; }
    BusinessCaseInputs& businessCase() { return businessCase_; }

    // Called after every set, with the field that was written. Reactions nest: an
    // observer may set other fields (or the same one) before it returns.
    void setChangeObserver(std::function<void(Field)> observer) { observer_ = std::move(observer); }

private:
    std::array<std::string, kFieldCount> texts_;
    std::int16_t printFontSize_ = 0;
    BusinessCaseInputs businessCase_;
    std::function<void(Field)> observer_;
};

// A text read as a 16-bit integer, rounded to the nearest whole number; nothing when it
// is not a number or does not fit.
std::optional<std::int16_t> readInt16(std::string_view text, const LocaleConventions& locale);

} // namespace payvanta
