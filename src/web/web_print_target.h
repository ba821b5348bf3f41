#pragma once

#include "reports/print_target.h"

#include <emscripten/val.h>
#include <string>

namespace payvanta::web {

// Printing in a browser: a job's pages are collected and, when it ends, handed to the
// page's printPages(name, pages), which lays them out one to a sheet and opens the
// browser's print (or "Save as PDF").
class WebPrintTarget : public reports::PrintTarget {
public:
    explicit WebPrintTarget(emscripten::val page) : page_(std::move(page)) {}

    std::optional<reports::PrintFailure> beginJob(std::string_view name) override;
    std::optional<reports::PrintFailure> printPage(const reports::PrintPage& page) override;
    std::optional<reports::PrintFailure> endJob() override;
    std::string destination() const override { return "the browser's printer"; }
    bool writesFiles() const override { return false; }

private:
    emscripten::val page_;
    std::string name_;
    std::string pages_; // the JSON array of the job's pages, so far
};

} // namespace payvanta::web
