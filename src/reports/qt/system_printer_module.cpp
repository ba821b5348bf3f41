#include "reports/qt/system_printer_module.h"

#include "reports/qt/system_printer_target.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) payvanta::reports::PrintTarget*
payvanta_make_system_printer() {
    using payvanta::reports::qt::SystemPrinterTarget;
    return SystemPrinterTarget::available() ? new SystemPrinterTarget : nullptr;
}

// The entry keeps the type the program looks it up by.
static_assert(std::is_same_v<decltype(&payvanta_make_system_printer),
                             payvanta::reports::qt::MakeSystemPrinter>);
