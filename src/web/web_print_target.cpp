#include "web_print_target.h"

#include "page_json.h"

namespace payvanta::web {

std::optional<reports::PrintFailure> WebPrintTarget::beginJob(std::string_view name) {
    name_ = name;
    pages_.clear();
    return std::nullopt;
}

std::optional<reports::PrintFailure> WebPrintTarget::printPage(const reports::PrintPage& page) {
    pages_ += pages_.empty() ? "[" : ",";
    pages_ += printPageJson(page);
    return std::nullopt;
}

std::optional<reports::PrintFailure> WebPrintTarget::endJob() {
    page_.call<void>("printPages", name_, pages_.empty() ? std::string("[]") : pages_ + "]");
    pages_.clear();
    return std::nullopt;
}

} // namespace payvanta::web
