// The project-file reader and loader: any bytes opened as a project, as the program opens
// one (read, decoded, parsed, copied into the fields, recalculated), in the United States
// and in Germany.
#include "fuzz_input_file.h"
#include "fuzz_locales.h"
#include "ui/main_form.h"
#include "ui/quiet_view.h"

#include <cstddef>
#include <cstdint>

using namespace payvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const LocaleConventions locales[] = {LocaleConventions::unitedStates(), fuzzLocale(".")};
    const auto path = fuzz::writeInput("Crane.QVR", data, size);
    for (const LocaleConventions& locale : locales) {
        ui::QuietView view;
        ui::MainForm form(view, locale, fuzz::runFolder(), [] { return files::ReferenceTables{}; });
        form.load();
        form.openProjectFile(path.string());
    }
    return 0;
}
