#include "file_session.h"
#include "files/text_encoding.h"

#include <gtest/gtest.h>
#include <random>

using namespace payvanta;

namespace {

// Random bytes, the ones that mean something to the readers coming up more often, with
// lines that start like settings or table rows; every other text holds no control byte
// (but tab and line ends), so that it is read as text.
std::string randomText(std::mt19937& engine) {
    static const std::string kBytes("; = *\t\r\n01.,-e$(\xBD\xC2\xEF\xBB\xBF\x80\xFF\0", 24);
    static const std::string kStarts[] = {
        "\r\nCustName = ",          "\nKwHrRate = ",      "\rHoistFPMHoist = ",
        "\r\nDutyCycleHoist(5) = ", "\nPrintFontName = ", "\r\nPrintFontSize = ",
        "\n\xBD Hour Rating;",      "\r\n1 Hour Rating;"};
    const bool asText = engine() % 2 == 0;
    std::string text;
    for (auto n = engine() % 500; n > 0; --n) {
        const auto r = engine();
        if (r % 16 == 0) {
            text += kStarts[r / 16 % std::size(kStarts)];
        } else if (r % 2) {
            text += kBytes[r / 2 % (kBytes.size() - (asText ? 1 : 0))];
        } else {
            text += static_cast<char>(asText ? 0x20 + (r >> 8) % 0xE0 : r >> 8);
        }
    }
    return text;
}

TEST(ArbitraryBytes, as_tables_and_project_files_never_crash_and_what_is_saved_reopens) {
    std::mt19937 engine(20240611);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        test::FileSession s;
        for (const std::string_view name :
             {files::kUtilityRatesFile, files::kTipCostsFile, files::kShoeCostsFile,
              files::kMotorCatalogueFile, std::string_view("Customer.ini"),
              std::string_view("P.QVR")}) {
            const std::string bytes = randomText(engine);
            ASSERT_TRUE(encoding::isValidUtf8(encoding::decodeFileText(bytes)));
            test::writeBytes(s.folder / name, bytes);
        }
        files::LoadReferenceTables(s.folder.path());
        s.steps.EnsureDefaultsRead();
        if (!s.open(s.path("P.QVR"))) {
            continue;
        }
        s.model.state.CurrentFilePath = s.path("Saved.QVR");
        ASSERT_TRUE(s.steps.WriteProjectFile());
        test::FileSession reopened;
        ASSERT_TRUE(reopened.open(s.path("Saved.QVR")));
        for (const Field f : allFields()) {
            ASSERT_EQ(reopened.model.record.get(f), s.model.record.get(f)) << fieldKey(f);
        }
    }
}

} // namespace
