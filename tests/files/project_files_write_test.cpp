#include "files/project_file_layout.h"
#include "files/project_files.h"
#include "recording_hosts.h"
#include "support/example_project.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

using namespace payvanta;
using payvanta::test::readBytes;
using payvanta::test::RecordingFileHost;
using payvanta::test::TempFolder;
using payvanta::test::writeBytes;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrompt =
    "Please enter the name of the new file. NOTE: The .QVR file extention will be added for you.";
constexpr std::string_view kDefaults = "* defaults\r\nCustName = Default\r\n";

std::vector<std::string> filesUnder(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        names.push_back(fs::relative(e.path(), folder).string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::array<std::string, kFieldCount> textsOf(const ProjectRecord& r) {
    std::array<std::string, kFieldCount> texts;
    for (const Field f : allFields()) {
        texts[index(f)] = r.get(f);
    }
    return texts;
}

class WriteProjectFileTest : public ::testing::Test {
protected:
    WriteProjectFileTest() : files(model, host, folder.path()) {
        writeBytes(folder / "Customer.ini", kDefaults);
        test::fillCompleteProject(model.record);
    }

    // The state after a new project was started from the default file without a name,
    // or after the default file itself was read.
    void defaultFileIsCurrent() {
        model.state.CurrentFilePath = (folder / "Customer.ini").string();
        model.state.UserFileOpen = false;
    }

    std::string expectedBytes() const {
        return files::encodeProjectFile(files::projectFileText(model.record));
    }

    TempFolder folder;
    SavingsModel model;
    RecordingFileHost host;
    files::ProjectFiles files;
};

TEST_F(WriteProjectFileTest, the_default_file_asks_for_a_name_and_writes_the_new_file) {
    defaultFileIsCurrent();
    host.answers = {"Crane 7"};
    EXPECT_TRUE(files.WriteProjectFile());
    const fs::path written = folder / "Crane 7.QVR";
    EXPECT_EQ(host.prompts, std::vector<std::string>{std::string(kPrompt)});
    EXPECT_EQ(readBytes(written), expectedBytes());
    EXPECT_EQ(model.state.CurrentFilePath, written.string());
    EXPECT_EQ(host.shown, std::vector<std::string>{written.string()});
    EXPECT_TRUE(model.state.UserFileOpen);
    EXPECT_TRUE(model.state.ProjectLoaded);
    EXPECT_EQ(readBytes(folder / "Customer.ini"), kDefaults);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(WriteProjectFileTest, saving_again_writes_to_the_named_file_without_a_question) {
    defaultFileIsCurrent();
    host.answers = {"Crane 7"};
    ASSERT_TRUE(files.WriteProjectFile());
    model.record.set(Field::CustName, "Second save");
    EXPECT_TRUE(files.WriteProjectFile());
    EXPECT_EQ(host.prompts.size(), 1u);
    EXPECT_EQ(readBytes(folder / "Crane 7.QVR"), expectedBytes());
    EXPECT_EQ(filesUnder(folder.path()), (std::vector<std::string>{"Crane 7.QVR", "Customer.ini"}));
}

TEST_F(WriteProjectFileTest, a_users_file_is_replaced_without_a_question) {
    writeBytes(folder / "Crane.QVR", "CustName = Old\r\n");
    model.state.CurrentFilePath = (folder / "Crane.QVR").string();
    model.state.UserFileOpen = true;
    EXPECT_TRUE(files.WriteProjectFile());
    EXPECT_TRUE(host.prompts.empty());
    EXPECT_EQ(readBytes(folder / "Crane.QVR"), expectedBytes());
    EXPECT_TRUE(model.state.ProjectLoaded);
    EXPECT_EQ(filesUnder(folder.path()), (std::vector<std::string>{"Crane.QVR", "Customer.ini"}));
}

class NoNameGiven : public WriteProjectFileTest,
                    public ::testing::WithParamInterface<std::optional<std::string>> {};

TEST_P(NoNameGiven, writes_nothing_and_keeps_the_current_file) {
    defaultFileIsCurrent();
    model.state.UserFileOpen = true;
    host.answers = {GetParam()};
    files.WriteProjectFile();
    EXPECT_EQ(host.prompts.size(), 1u);
    EXPECT_EQ(filesUnder(folder.path()), std::vector<std::string>{"Customer.ini"});
    EXPECT_EQ(readBytes(folder / "Customer.ini"), kDefaults);
    EXPECT_EQ(model.state.CurrentFilePath, (folder / "Customer.ini").string());
    EXPECT_TRUE(host.shown.empty());
    EXPECT_FALSE(model.state.UserFileOpen);
    EXPECT_TRUE(model.state.ProjectLoaded);
}

INSTANTIATE_TEST_SUITE_P(Answers, NoNameGiven,
                         ::testing::Values(std::optional<std::string>(""),
                                           std::optional<std::string>()),
                         [](const ::testing::TestParamInfo<std::optional<std::string>>& info) {
                             return info.param ? "empty" : "cancelled";
                         });

class RefusedNames : public WriteProjectFileTest,
                     public ::testing::WithParamInterface<std::string> {};

TEST_P(RefusedNames, are_refused_with_a_message_and_nothing_is_written) {
    defaultFileIsCurrent();
    fs::create_directory(folder / "sub");
    host.answers = {GetParam()};
    EXPECT_FALSE(files.WriteProjectFile());
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(filesUnder(folder.path()), (std::vector<std::string>{"Customer.ini", "sub"}));
    EXPECT_EQ(model.state.CurrentFilePath, (folder / "Customer.ini").string());
    EXPECT_FALSE(model.state.UserFileOpen);
}

INSTANTIATE_TEST_SUITE_P(Names, RefusedNames,
                         ::testing::Values("sub/Crane", "sub/../Crane", "sub\\Crane", "C:Crane",
                                           "Crane*", "Crane?", "Crane \"7\"", "<Crane>", "Crane|7",
                                           "Crane\t7", "Crane\r\n7", std::string(300, 'x')));

TEST_F(WriteProjectFileTest, a_project_named_customer_ini_is_treated_like_the_default_file) {
    defaultFileIsCurrent();
    host.answers = {"Customer.ini", "Crane"};
    EXPECT_TRUE(files.WriteProjectFile());
    EXPECT_EQ(readBytes(folder / "Customer.ini.QVR"), expectedBytes());
    EXPECT_EQ(readBytes(folder / "Customer.ini"), kDefaults);
    EXPECT_EQ(model.state.CurrentFilePath, (folder / "Customer.ini.QVR").string());
    // Its path holds "Customer.ini", so the next save asks again.
    EXPECT_TRUE(files.WriteProjectFile());
    EXPECT_EQ(host.prompts.size(), 2u);
    EXPECT_EQ(readBytes(folder / "Crane.QVR"), expectedBytes());
    EXPECT_EQ(model.state.CurrentFilePath, (folder / "Crane.QVR").string());
}

TEST_F(WriteProjectFileTest, a_failed_write_leaves_record_flags_and_file_as_they_were) {
    writeBytes(folder / "plain", "a file, not a folder");
    const std::string path = (folder / "plain" / "Crane.QVR").string();
    model.state.CurrentFilePath = path;
    model.state.UserFileOpen = true;
    model.state.ProjectLoaded = false;
    model.state.FileChosen = true;
    const auto before = textsOf(model.record);

    EXPECT_FALSE(files.WriteProjectFile());

    EXPECT_EQ(textsOf(model.record), before);
    EXPECT_EQ(model.state.CurrentFilePath, path);
    EXPECT_TRUE(model.state.UserFileOpen);
    EXPECT_FALSE(model.state.ProjectLoaded);
    EXPECT_TRUE(model.state.FileChosen);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find(path), std::string::npos) << host.messages[0];
    EXPECT_NE(host.messages[0].find("Not a directory"), std::string::npos) << host.messages[0];
    EXPECT_EQ(readBytes(folder / "plain"), "a file, not a folder");
}

TEST_F(WriteProjectFileTest, a_failed_write_under_a_new_name_keeps_the_default_file_current) {
    defaultFileIsCurrent();
    fs::create_directory(folder / "Crane.QVR");
    host.answers = {"Crane"};

    EXPECT_FALSE(files.WriteProjectFile());

    EXPECT_EQ(model.state.CurrentFilePath, (folder / "Customer.ini").string());
    EXPECT_FALSE(model.state.UserFileOpen);
    EXPECT_FALSE(model.state.ProjectLoaded);
    if (!host.shown.empty()) {
        EXPECT_EQ(host.shown.back(), model.state.CurrentFilePath);
    }
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find((folder / "Crane.QVR").string()), std::string::npos)
        << host.messages[0];
    EXPECT_TRUE(fs::is_directory(folder / "Crane.QVR"));
    EXPECT_EQ(filesUnder(folder.path()), (std::vector<std::string>{"Crane.QVR", "Customer.ini"}));
}

TEST_F(WriteProjectFileTest, a_failed_write_keeps_the_old_file_and_leaves_no_temporary_file) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    fs::create_directory(folder / "ro");
    writeBytes(folder / "ro" / "Crane.QVR", "CustName = Old\r\n");
    fs::permissions(folder / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    model.state.CurrentFilePath = (folder / "ro" / "Crane.QVR").string();
    model.state.UserFileOpen = true;
    EXPECT_FALSE(files.WriteProjectFile());
    fs::permissions(folder / "ro", fs::perms::owner_all);
    EXPECT_EQ(readBytes(folder / "ro" / "Crane.QVR"), "CustName = Old\r\n");
    EXPECT_EQ(filesUnder(folder / "ro"), std::vector<std::string>{"Crane.QVR"});
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(WriteProjectFileTest, a_saved_project_opens_to_the_same_fields) {
    model.record.set(Field::CustName, "\u0141\u00F3d\u017A Steel = best");
    model.record.set(Field::HoistMotor, "Frame 806 Motor 20HP \u00BD Hour Rating");
    model.record.set(Field::ProjName, "\tTabbed\t");
    model.record.setPrintFont("Times New Roman", 7);
    model.state.CurrentFilePath = (folder / "Crane.QVR").string();
    model.state.UserFileOpen = true;
    ASSERT_TRUE(files.WriteProjectFile());

    SavingsModel opened;
    RecordingFileHost openHost;
    files::ProjectFiles openFiles(opened, openHost, folder.path());
    opened.state.FileChosen = true;
    opened.state.CurrentFilePath = (folder / "Crane.QVR").string();
    ASSERT_TRUE(openFiles.ReadKeyValueFile());
    openFiles.LoadProjectIntoFields();
    EXPECT_EQ(textsOf(opened.record), textsOf(model.record));
    EXPECT_EQ(opened.record.printFontSize(), 7);
}

TEST(ProjectFileRoundTrip, every_example_project_opens_and_saves_back_byte_identical) {
    const fs::path examples = fs::path(PAYVANTA_DATA_DIR) / "examples";
    int seen = 0;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".QVR") {
            continue;
        }
        ++seen;
        TempFolder folder;
        test::copyShippedData(folder.path());
        const fs::path copy = folder.path() / entry.path().filename();
        fs::copy_file(entry.path(), copy);
        SavingsModel model;
        RecordingFileHost host;
        files::ProjectFiles files(model, host, folder.path());
        model.state.FileChosen = true;
        model.state.UserFileOpen = true;
        model.state.CurrentFilePath = copy.string();
        ASSERT_TRUE(files.ReadKeyValueFile());
        files.LoadProjectIntoFields();
        ASSERT_TRUE(files.WriteProjectFile());
        EXPECT_TRUE(host.prompts.empty());
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(readBytes(copy), readBytes(entry.path())) << entry.path();
    }
    EXPECT_GE(seen, 3);
}

TEST(NewProjectFlow, reads_the_defaults_and_first_saves_under_the_typed_name) {
    TempFolder folder;
    test::copyShippedData(folder.path());
    SavingsModel model;
    RecordingFileHost host;
    files::ProjectFiles files(model, host, folder.path());
    // The name was asked for and shown by the new-file command.
    model.state.CurrentFilePath = (folder / "Crane 9.QVR").string();
    files.EnsureDefaultsRead();
    ASSERT_TRUE(files.ReadKeyValueFile());
    files.LoadProjectIntoFields();
    model.state.FileChosen = true;
    EXPECT_EQ(model.record.get(Field::cmbStateKw), "PA");
    EXPECT_TRUE(model.state.UserFileOpen);
    EXPECT_FALSE(fs::exists(folder / "Crane 9.QVR"));

    ASSERT_TRUE(files.WriteProjectFile());
    EXPECT_TRUE(host.prompts.empty());
    EXPECT_EQ(readBytes(folder / "Crane 9.QVR"),
              files::encodeProjectFile(files::projectFileText(model.record)));
    EXPECT_EQ(readBytes(folder / "Customer.ini"),
              readBytes(fs::path(PAYVANTA_DATA_DIR) / "Customer.ini"));
}

} // namespace
