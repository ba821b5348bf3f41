// One of the four table readers, chosen by PAYVANTA_FUZZ_TABLE when built: any bytes as
// that table beside the program.
#include "files/reference_tables.h"
#include "fuzz_input_file.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace payvanta;

namespace {

struct Table {
    std::string_view fileName;
    files::TableProblems (*load)(const std::filesystem::path&, files::SelectionLists&);
};

constexpr Table kTables[] = {{files::kUtilityRatesFile, files::loadUtilityRates},
                             {files::kTipCostsFile, files::loadTipCosts},
                             {files::kShoeCostsFile, files::loadShoeCosts},
                             {files::kMotorCatalogueFile, files::loadMotorCatalogue}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Table& table = kTables[PAYVANTA_FUZZ_TABLE];
    fuzz::writeInput(std::string(table.fileName).c_str(), data, size);
    files::SelectionLists lists;
    table.load(fuzz::runFolder(), lists);
    return 0;
}
