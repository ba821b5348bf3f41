#include "proposal.h"

#include "print_page.h"
#include "proposal_layout.h"
#include "report_builders.h"

namespace payvanta::reports {

namespace {

// What the outline calls each page of Print All.
std::string sectionTitle(ReportForm form) {
    switch (form) {
    case ReportForm::Savings:
        return "Savings Summary";
    case ReportForm::EnergySavings:
        return "Energy Savings";
    case ReportForm::Maintenance:
        return "Maintenance Labor";
    case ReportForm::Inventory:
        return "Inventory";
    case ReportForm::Hoist:
        return "Hoist Energy Analysis";
    case ReportForm::Trolley:
        return "Trolley Energy Analysis";
    case ReportForm::Bridge:
        return "Bridge Energy Analysis";
    case ReportForm::BusinessCase:
        break;
    }
    return "Business Case";
}

// Before a print font is chosen the pages take the screen's font.
PrintFont usableFont(const PrintFont& font) {
    return font.name.empty() || font.size <= 0 ? screenFont() : font;
}

} // namespace

std::string preparedBy(const BusinessCaseInputs& inputs) {
    const std::string& name = inputs.get(CaseInput::PreparedBy);
    const std::string& company = inputs.get(CaseInput::PreparedByCompany);
    if (name.empty() || company.empty()) {
        return name + company;
    }
    return name + ", " + company;
}

void addFooter(PrintPage& page, const SavingsModel& model, const std::string& date, int number,
               int count, const PrintFont& printFont) {
    using proposal::boxedText;
    using proposal::kFooterHeight;
    using proposal::kFooterTop;
    const PrintFont font{usableFont(printFont).name, 8, false};
    const ProjectRecord& r = model.record;
    // Four columns across the sheet, each text kept within its own.
    page.items.push_back(boxedText("lblFooterCustomer", r.get(Field::CustName), 0, kFooterTop, 3840,
                                   kFooterHeight, font));
    page.items.push_back(boxedText("lblFooterProject", r.get(Field::ProjName), 3960, kFooterTop,
                                   3840, kFooterHeight, font));
    page.items.push_back(boxedText(
        "lblFooterPage", "Page " + std::to_string(number) + " of " + std::to_string(count), 7920,
        kFooterTop, 1800, kFooterHeight, font, Align::Center));
    page.items.push_back(boxedText("lblFooterDate", date, 9840, kFooterTop,
                                   proposal::kSheetWidth - 9840, kFooterHeight, font,
                                   Align::Right));
}

Proposal buildProposal(const ProposalInputs& in) {
    const PrintFont font = usableFont(in.printFont);
    const std::string date = shortDate(in.now, in.model.locale());
    const ReportPage businessCase = buildBusinessCase({in.model, in.now});
    const ProjectRecord& r = in.model.record;

    Proposal out;
    const auto section = [&out](std::string title) {
        out.document.outline.push_back({std::move(title), static_cast<int>(out.pages.size())});
    };
    section("Retrofit Savings Proposal");
    out.pages.push_back(proposalCover(in.model, businessCase, date, font));
    section("Business Case");
    out.pages.push_back(printedForm(businessCase, font));
    for (const auto& [form, page] : in.allPages) {
        section(sectionTitle(form));
        out.pages.push_back(page);
    }
    section("Project Data");
    for (PrintPage& page : projectDataPages(in.projectData, font)) {
        out.pages.push_back(std::move(page));
    }
    const int count = static_cast<int>(out.pages.size());
    for (int n = 2; n <= count; ++n) {
        addFooter(out.pages[static_cast<std::size_t>(n - 1)], in.model, date, n, count, font);
    }

    out.document.title = r.get(Field::CustName) + " - " + r.get(Field::ProjName) + " - Proposal";
    out.document.author = preparedBy(r.businessCase());
    out.document.subject = "Savings of a crane control retrofit: the business case, the "
                           "savings reports and the project data";
    return out;
}

} // namespace payvanta::reports
