#pragma once

#include "reports/print_target.h"

// The system's printer as a module of its own (payvanta_system_printer), so that the
// desktop program loads Qt's print support only when it first prints.
namespace payvanta::reports::qt {

// The module's one entry: a new target on the system's default printer, which the caller
// owns, or null when the system has no printer to print on.
using MakeSystemPrinter = PrintTarget* (*)();
inline constexpr const char* kMakeSystemPrinterSymbol = "payvanta_make_system_printer";

} // namespace payvanta::reports::qt
