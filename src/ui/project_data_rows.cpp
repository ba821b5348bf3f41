#include "project_data_rows.h"

#include "captions.h"
#include "controls.h"

#include <string>
#include <utility>

namespace payvanta::ui {

namespace {

std::string captionText(ControlRef control) {
    const auto caption = captionOf(control);
    return caption ? std::string(caption->caption) : std::string(control.name);
}

} // namespace

std::vector<reports::ProjectDataRow> projectDataRows(const ProjectRecord& record) {
    std::vector<reports::ProjectDataRow> rows;
    const auto heading = [&rows](std::string text) { rows.push_back({std::move(text), {}, true}); };
    const auto field = [&](Field f, std::string caption = {}) {
        rows.push_back(
            {caption.empty() ? captionText(controlOf(f)) : std::move(caption), record.get(f)});
    };

    heading("Project Information");
    for (Field f = Field::CustName; f <= Field::MaintPerHour;
         f = static_cast<Field>(index(f) + 1)) {
        if (f == Field::cmbStateKw) {
            // The state is where the rate came from, when it came from the list.
            if (!record.get(f).empty()) {
                field(f, "State of the kW-Hr Rate");
            }
            continue;
        }
        field(f);
    }

    heading("Inventory Costs and Lives");
    for (Field f = Field::ContactElec; f <= Field::ShoeLife; f = static_cast<Field>(index(f) + 1)) {
        // The three NEMA sizes share one caption on the form, beside their motion's cost.
        std::string caption;
        for (const Motion m : kMotions) {
            if (f == nemaSizeField(m)) {
                caption = captionText(controlOf(f)) + ", " + std::string(motionName(m));
            }
        }
        field(f, std::move(caption));
    }

    for (const Motion m : kMotions) {
        heading(std::string(motionName(m)));
        for (const Field f : {motorField(m), numMotorField(m), motorVoltsField(m),
                              motorFLCAmpsField(m), speedField(m), distanceField(m)}) {
            field(f);
        }
        for (int step = 1; step <= 5; ++step) {
            field(dutyCycleField(m, step));
        }
    }

    const BusinessCaseInputs& businessCase = record.businessCase();
    bool headed = false;
    for (const CaseInput input : kCaseInputs) {
        // Who prepared the proposal stands on its cover.
        if (businessCase.get(input).empty() || input == CaseInput::PreparedBy ||
            input == CaseInput::PreparedByCompany) {
            continue;
        }
        if (!std::exchange(headed, true)) {
            heading("Business Case");
        }
        rows.push_back({captionText(controlOf(input)), businessCase.get(input)});
    }
    return rows;
}

} // namespace payvanta::ui
