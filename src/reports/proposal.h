#pragma once

#include "model/savings_model.h"
#include "print_page.h"
#include "print_target.h"
#include "report_clock.h"
#include "report_page.h"

#include <string>
#include <utility>
#include <vector>

namespace payvanta::reports {

// One row of the appendix "Project data": an input's caption and its value as the user
// sees it, or the heading of a group of inputs.
struct ProjectDataRow {
    std::string caption;
    std::string value;
    bool heading = false;
};

// What a proposal is made of: the open project as its last recalculation left it, the
// moment it is made, the print font, the pages of Print All as Print All prints them (in
// its order), and every input of the project as rows of the appendix.
struct ProposalInputs {
    const SavingsModel& model;
    DateTime now;
    PrintFont printFont;
    std::vector<std::pair<ReportForm, PrintPage>> allPages;
    std::vector<ProjectDataRow> projectData;
};

// The one document a customer is handed, page by page, with what its file says of itself:
// the cover, the business case, the pages of Print All and the appendix, each sheet but
// the cover with the footer in its bottom margin, and an outline naming each section.
struct Proposal {
    std::vector<PrintPage> pages;
    DocumentInfo document;
};

Proposal buildProposal(const ProposalInputs& in);

// The parts of a proposal.
PrintPage proposalCover(const SavingsModel& model, const ReportPage& businessCase,
                        const std::string& date, const PrintFont& printFont);
std::vector<PrintPage> projectDataPages(const std::vector<ProjectDataRow>& rows,
                                        const PrintFont& printFont);
// Customer, project, "Page n of N" and the date beneath the page's own layout.
void addFooter(PrintPage& page, const SavingsModel& model, const std::string& date, int number,
               int count, const PrintFont& printFont);

// "Ann Smith, Corvanix": who prepared the proposal, as the cover and the file name them;
// empty when neither is set.
std::string preparedBy(const BusinessCaseInputs& inputs);

} // namespace payvanta::reports
