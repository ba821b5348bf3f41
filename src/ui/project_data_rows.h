#pragma once

#include "model/project_record.h"
#include "reports/proposal.h"

#include <vector>

namespace payvanta::ui {

// Every input of the project as the appendix of a proposal lists it, in the user's
// number format and under the captions of the form: the project information (the state
// only where the rate was chosen from the list), the inventory costs and lives, each
// motion, and the business case as far as it is entered.
std::vector<reports::ProjectDataRow> projectDataRows(const ProjectRecord& record);

} // namespace payvanta::ui
