// The proposal's cover: the logo, the title, whom it is for and who prepared it, and the
// figures a customer looks for first in large type, each as the business case page
// shows it (a figure that cannot be had says why, as there).

#include "proposal.h"
#include "proposal_layout.h"
#include "savings_text.h"

#include <array>
#include <string_view>

namespace payvanta::reports {

namespace {

using proposal::boxedText;
using proposal::kSheetWidth;

// The headline figures: their caption on the cover and the field of the business case
// page they are copied from.
struct Headline {
    std::string_view caption;
    std::string_view field;
};
constexpr std::array<Headline, 5> kHeadlines{{
    {"Yearly Savings", "txtTotal"},
    {"Simple Payback", "txtPayback"},
    {"Savings over the Life", "txtLifeSavings"},
    {"Net Present Value", "txtNpv"},
    {"CO2 Avoided per Year", "txtCo2PerYear"},
}};

constexpr int kCaptionLeft = 720;
constexpr int kCaptionWidth = 3600;
constexpr int kValueLeft = 4560;
constexpr int kValueWidth = kSheetWidth - kValueLeft - 720;

} // namespace

PrintPage proposalCover(const SavingsModel& model, const ReportPage& businessCase,
                        const std::string& date, const PrintFont& printFont) {
    const std::string& face = printFont.name;
    const PrintFont title{face, 24, true};
    const PrintFont details{face, 14, false};
    const PrintFont caption{face, 14, false};
    const PrintFont figure{face, 22, true};
    const PrintFont note{face, 9, false};

    PrintPage page;
    PrintItem logo;
    logo.kind = PrintItem::Kind::Picture;
    logo.name = "Image1";
    logo.width = 2 * kSavingsLogoWidth;
    logo.height = 2 * kSavingsLogoHeight;
    logo.left = (kSheetWidth - logo.width) / 2;
    logo.top = 720;
    page.items.push_back(logo);
    page.items.push_back(boxedText("lblTitle", "Retrofit Savings Proposal", 0, 2760, kSheetWidth,
                                   720, title, Align::Center));

    // Whom it is for and who prepared it: the caption right-aligned against its value.
    const ProjectRecord& r = model.record;
    int top = 4080;
    const auto detail = [&](std::string_view name, std::string label, std::string value) {
        page.items.push_back(boxedText("lbl" + std::string(name), std::move(label), kCaptionLeft,
                                       top, kCaptionWidth, 400, details, Align::Right));
        page.items.push_back(boxedText("txt" + std::string(name), std::move(value), kValueLeft, top,
                                       kValueWidth, 400, details));
        top += 420;
    };
    detail("Customer", "Customer:", r.get(Field::CustName));
    detail("Project", "Project:", r.get(Field::ProjName));
    detail("Date", "Date:", date);
    const BusinessCaseInputs& inputs = r.businessCase();
    const std::string& name = inputs.get(CaseInput::PreparedBy);
    const std::string& company = inputs.get(CaseInput::PreparedByCompany);
    if (!name.empty() || !company.empty()) {
        detail("PreparedBy", "Prepared by:", name.empty() ? company : name);
        if (!name.empty() && !company.empty()) {
            detail("PreparedByCompany", "", company);
        }
    }

    // The figures, each on its own row, the caption level with the figure's foot.
    PrintItem rule;
    rule.kind = PrintItem::Kind::Line;
    rule.left = kCaptionLeft;
    rule.top = 6840;
    rule.width = kSheetWidth - 2 * kCaptionLeft;
    page.items.push_back(rule);
    top = 7200;
    for (const Headline& h : kHeadlines) {
        const std::string field(h.field);
        page.items.push_back(boxedText("lblHeadline" + field.substr(3), std::string(h.caption),
                                       kCaptionLeft, top + 200, kCaptionWidth, 400, caption));
        page.items.push_back(boxedText("txtHeadline" + field.substr(3), businessCase.text(h.field),
                                       kValueLeft, top, kValueWidth, 620, figure));
        top += 900;
    }
    rule.top = top;
    page.items.push_back(rule);
    page.items.push_back(boxedText("lblNote", businessCase.text("lblNote"), 0, top + 360,
                                   kSheetWidth, 260, note, Align::Center));
    return page;
}

} // namespace payvanta::reports
