#include "project_record.h"

#include "number_text.h"

#include <cmath>

namespace payvanta {

ProjectRecord::ProjectRecord() {
    texts_[index(Field::PrintFontSize)] = "0";
}

void ProjectRecord::set(Field field, std::string_view text) {
    if (field == Field::PrintFontSize) {
        printFontSize_ = readInt16(text, LocaleConventions::unitedStates()).value_or(0);
        texts_[index(field)] = std::to_string(printFontSize_);
    } else {
        texts_[index(field)].assign(text);
    }
    if (observer_) {
        observer_(field);
    }
}

std::optional<std::string_view> ProjectRecord::get(std::string_view key) const {
    const auto field = fieldByKey(key);
    if (!field) {
        return std::nullopt;
    }
    return get(*field);
}

bool ProjectRecord::set(std::string_view key, std::string_view text) {
    const auto field = fieldByKey(key);
    if (!field) {
        return false;
    }
    set(*field, text);
    return true;
}

std::optional<double> ProjectRecord::number(Field field, const LocaleConventions& locale) const {
    return numbers::parse(get(field), locale);
}

void ProjectRecord::setPrintFont(std::string_view name, std::int16_t size) {
    set(Field::PrintFontName, name);
    set(Field::PrintFontSize, std::to_string(size));
}

std::optional<std::int16_t> readInt16(std::string_view text, const LocaleConventions& locale) {
    const auto value = numbers::parse(text, locale);
    if (!value) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(*value);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace payvanta
