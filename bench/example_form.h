#pragma once

// The main form on a quiet view with the steel-mill example open, as the program opens it,
// and a drive cost, so that the business case computes every figure: what the page and
// proposal benchmarks measure from.

#include "files/reference_tables.h"
#include "ui/main_form.h"
#include "ui/quiet_view.h"

#include <filesystem>

namespace payvanta::bench {

class ExampleForm {
public:
    explicit ExampleForm(const std::filesystem::path& dataFolder)
        : tables_(files::loadReferenceTables(dataFolder)),
          form_(view_, LocaleConventions::unitedStates(), dataFolder, [this] { return tables_; }) {
        form_.load();
        opened_ = form_.openProjectFile(
            (dataFolder / "examples" / "steel-mill-ladle-crane.QVR").string());
        form_.caseInputChanged(CaseInput::DriveCost, "250000");
    }

    bool opened() const { return opened_; }
    ui::MainForm& form() { return form_; }

private:
    ui::QuietView view_;
    files::ReferenceTables tables_;
    ui::MainForm form_;
    bool opened_ = false;
};

} // namespace payvanta::bench
