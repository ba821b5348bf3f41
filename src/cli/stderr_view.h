#pragma once

#include "reports/terminal_text.h"
#include "ui/quiet_view.h"

#include <ostream>

namespace payvanta::cli {

// The main form's window for the command line: messages go to the error stream, every
// question is answered no, nothing else is shown. A message quotes names and values of
// files, so its control characters are written as escapes.
class StderrView final : public ui::QuietView {
public:
    explicit StderrView(std::ostream& err) : err_(err) {}

    void showMessage(std::string_view text) override {
        err_ << "payvanta-calc: " << reports::visibleControls(text) << '\n';
    }

private:
    std::ostream& err_;
};

} // namespace payvanta::cli
