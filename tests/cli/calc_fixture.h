#pragma once

#include "cli/calc_options.h"
#include "cli/calc_run.h"
#include "support/locales.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace payvanta::test {

inline const std::string kExamples = std::string(PAYVANTA_DATA_DIR) + "/examples/";
inline const std::string kPaperMill = kExamples + "paper-mill-roll-crane.QVR";
inline const std::string kScrapYard = kExamples + "scrap-yard-magnet-crane.QVR";
inline const std::string kSteelMill = kExamples + "steel-mill-ladle-crane.QVR";

// payvanta-calc's run with the arguments given, in a program folder holding the shipped
// data unless another is named; what it prints is in out and err.
class CalcRunTest : public ::testing::Test {
protected:
    CalcRunTest() { copyShippedData(folder.path()); }

    int run(const std::vector<std::string>& args, const std::filesystem::path& programFolder = {}) {
        const auto parsed = cli::parseCalcOptions(args, localeNamed);
        EXPECT_TRUE(parsed.options) << parsed.error;
        if (!parsed.options) {
            return -1;
        }
        return cli::runCalc(*parsed.options, programFolder.empty() ? folder.path() : programFolder,
                            out, err);
    }

    TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
};

} // namespace payvanta::test
