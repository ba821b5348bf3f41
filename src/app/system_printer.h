#pragma once

#include "reports/print_target.h"

#include <QStringList>
#include <memory>

namespace payvanta::app {

// The system's default printer, from the printer module in the first of `folders` that
// holds it; loaded at the first print, so that the printer system is no part of start-up.
// Null when the system has no printer, or when the module cannot be loaded (said on
// standard error): printing then goes to PDF files.
std::unique_ptr<reports::PrintTarget> loadSystemPrinter(const QStringList& folders);

// Where the program looks for its modules: beside itself (a build), else in its installed
// library folder.
QStringList moduleFolders();

} // namespace payvanta::app
