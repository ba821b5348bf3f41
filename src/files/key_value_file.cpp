#include "key_value_file.h"

#include "model/text_trim.h"
#include "text_file.h"

namespace payvanta::files {

KeyValueTable parseKeyValueText(std::string_view text) {
    KeyValueTable table;
    forEachLine(text, [&table](std::string_view line, std::size_t) {
        const std::string_view trimmed = trimSpaces(line);
        if (trimmed.empty() || trimmed.front() == '*') {
            return;
        }
        const auto eq = trimmed.find('=');
        if (eq == std::string_view::npos) {
            return;
        }
        table.emplace_back(std::string(trimSpaces(trimmed.substr(0, eq))),
                           std::string(trimSpaces(trimmed.substr(eq + 1))));
    });
    return table;
}

std::string lookupValue(const KeyValueTable& table, std::string_view key) {
    for (const auto& [k, v] : table) {
        if (k == key) {
            return v;
        }
    }
    return "0";
}

} // namespace payvanta::files
