#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <ranges>

namespace payvanta {

// The first element of a table whose projection equals value, or null when none does:
// how a name, a key or a caption is looked up in its table.
template <std::ranges::contiguous_range Table, class Value, class Projection = std::identity>
auto findBy(const Table& table, const Value& value, Projection projection = {})
    -> const std::ranges::range_value_t<Table>* {
    const auto it = std::ranges::find(table, value, projection);
    return it == std::ranges::end(table) ? nullptr : std::to_address(it);
}

} // namespace payvanta
