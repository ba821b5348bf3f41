#pragma once

#include "model/savings_model.h"
#include "reports/report_page.h"

#include <ostream>
#include <string_view>

namespace payvanta::cli {

// One project's results as a JSON object: the four summary texts, the two yearly totals
// and every energy result of the three motions, numbers with 17 significant digits.
void writeJsonResult(std::ostream& out, const SavingsModel& model, std::string_view indent);

// A report page as a JSON object: every field the page sets when it loads, by its control
// name, in page order.
void writeJsonPage(std::ostream& out, const reports::ReportPage& page, std::string_view indent);

void writeJsonString(std::ostream& out, std::string_view text);

} // namespace payvanta::cli
