#include "files/project_files.h"
#include "files/reference_tables.h"
#include "files/text_encoding.h"
#include "recording_hosts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace payvanta;
using payvanta::test::RecordingFileHost;
using payvanta::test::RecordingTableHost;
using payvanta::test::TempFolder;
using payvanta::test::writeBytes;

namespace {

// Bytes that mean something to the readers come up more often than others.
class ByteSource {
public:
    explicit ByteSource(unsigned seed) : engine_(seed) {}

    std::string bytes(std::size_t maxLength) {
        std::string out(pick(maxLength), '\0');
        for (auto& c : out) {
            c = byte();
        }
        return out;
    }

    // Lines that look like settings or rows, with odd bytes among them.
    std::string lines(std::size_t count) {
        static const char* const kKeys[] = {
            "CustName",          "KwHrRate",          "NumLifts",          "HoistFPMHoist",
            "LiftDistanceHoist", "DutyCycleHoist(1)", "DutyCycleHoist(5)", "MotorFLCAmpsBridge",
            "PrintFontName",     "PrintFontSize",     "\xBD Hour Rating",  "1 Hour Rating"};
        std::string out;
        const std::size_t n = pick(count);
        for (std::size_t i = 0; i < n; ++i) {
            out += kKeys[pick(std::size(kKeys) - 1)];
            out += pick(1) ? " = " : ";";
            const std::size_t fields = pick(10);
            for (std::size_t f = 0; f < fields; ++f) {
                out += bytes(6);
                out += ';';
            }
            out += pick(3) == 0 ? "\n" : "\r\n";
        }
        return out;
    }

private:
    std::size_t pick(std::size_t max) {
        return std::uniform_int_distribution<std::size_t>(0, max)(engine_);
    }
    char byte() {
        static const char kSpecial[] = {
            ';', '=', '*', ' ',    '\t',   '\r',   '\n',   '0',    '1',    '.',    ',', '-',
            'e', '$', '(', '\xBD', '\xC2', '\xEF', '\xBB', '\xBF', '\x80', '\xFF', '\0'};
        if (pick(2) != 0) {
            return kSpecial[pick(sizeof(kSpecial) - 1)];
        }
        return static_cast<char>(pick(255));
    }

    std::mt19937 engine_;
};

void runEverything(const TempFolder& folder) {
    files::SelectionLists lists;
    RecordingTableHost tableHost;
    files::LoadReferenceTables(folder.path(), lists, tableHost);
    for (const auto* list : {&lists.cmbStateKw, &lists.cmbHoistNemaSize, &lists.cmbBrakeSize,
                             &lists.cmbHoistMotor, &lists.cmbTrolleyMotor}) {
        for (const auto& item : *list) {
            ASSERT_TRUE(encoding::isValidUtf8(item));
        }
    }

    SavingsModel model;
    RecordingFileHost host;
    files::ProjectFiles files(model, host, folder.path());
    files.EnsureDefaultsRead();
    model.state.FileChosen = true;
    model.state.CurrentFilePath = (folder / "Project.QVR").string();
    if (!files.ReadKeyValueFile()) {
        return;
    }
    files.LoadProjectIntoFields();
    model.state.CurrentFilePath = (folder / "Saved.QVR").string();
    model.state.UserFileOpen = true;
    ASSERT_TRUE(files.WriteProjectFile());

    // What was saved opens to the same texts.
    SavingsModel reopened;
    RecordingFileHost reopenHost;
    files::ProjectFiles reopenFiles(reopened, reopenHost, folder.path());
    reopened.state.FileChosen = true;
    reopened.state.CurrentFilePath = (folder / "Saved.QVR").string();
    ASSERT_TRUE(reopenFiles.ReadKeyValueFile());
    reopenFiles.LoadProjectIntoFields();
    for (const Field f : allFields()) {
        ASSERT_EQ(reopened.record.get(f), model.record.get(f)) << fieldKey(f);
    }
}

TEST(ArbitraryBytes, as_tables_and_project_files_never_crash_and_what_is_saved_reopens) {
    ByteSource source(20240611);
    for (int round = 0; round < 300; ++round) {
        TempFolder folder;
        const bool raw = round % 2 == 0;
        for (const auto name : {files::kUtilityRatesFile, files::kTipCostsFile,
                                files::kShoeCostsFile, files::kMotorCatalogueFile}) {
            writeBytes(folder / name, raw ? source.bytes(400) : source.lines(30));
        }
        writeBytes(folder / "Customer.ini", raw ? source.bytes(400) : source.lines(30));
        writeBytes(folder / "Project.QVR", raw ? source.bytes(400) : source.lines(60));
        SCOPED_TRACE("round " + std::to_string(round));
        runEverything(folder);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

} // namespace
