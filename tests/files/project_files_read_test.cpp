#include "files/project_files.h"
#include "model/print_font.h"
#include "recording_hosts.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace payvanta;
using payvanta::test::RecordingFileHost;
using payvanta::test::TempFolder;
using payvanta::test::writeBytes;
namespace fs = std::filesystem;

namespace {

class ReadKeyValueFileTest : public ::testing::Test {
protected:
    ReadKeyValueFileTest() : files(model, host, folder.path()) {
        writeBytes(folder / "Customer.ini", "* defaults\r\nCustName = Default\r\n");
        writeBytes(folder / "Crane.QVR", "CustName = Crane\r\nProjName = Bay 2\r\n");
    }
    std::string defaultPath() const { return (folder / "Customer.ini").string(); }

    TempFolder folder;
    SavingsModel model;
    RecordingFileHost host;
    files::ProjectFiles files;
};

TEST_F(ReadKeyValueFileTest, reads_the_default_file_while_no_file_is_chosen) {
    ASSERT_TRUE(files.ReadKeyValueFile());
    EXPECT_EQ(host.progressValues(), (std::vector<int>{1, 4, 7, 10, 15, 25}));
    EXPECT_EQ(model.state.keyValueTable, (KeyValueTable{{"CustName", "Default"}}));
    EXPECT_EQ(model.state.CurrentFilePath, defaultPath());
    EXPECT_FALSE(model.state.FileChosen);
    EXPECT_FALSE(model.state.UserFileOpen);
    EXPECT_TRUE(model.state.ProjectLoaded);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ReadKeyValueFileTest, reads_the_chosen_file_and_marks_it_the_users) {
    model.state.FileChosen = true;
    model.state.CurrentFilePath = (folder / "Crane.QVR").string();
    ASSERT_TRUE(files.ReadKeyValueFile());
    EXPECT_EQ(host.progressValues(), (std::vector<int>{1, 4, 7, 10, 15, 25}));
    EXPECT_EQ(model.state.keyValueTable,
              (KeyValueTable{{"CustName", "Crane"}, {"ProjName", "Bay 2"}}));
    EXPECT_EQ(model.state.CurrentFilePath, (folder / "Crane.QVR").string());
    EXPECT_TRUE(model.state.FileChosen);
    EXPECT_TRUE(model.state.UserFileOpen);
    EXPECT_TRUE(model.state.ProjectLoaded);
}

TEST_F(ReadKeyValueFileTest, a_new_project_reads_the_defaults_and_keeps_its_own_name) {
    model.state.CurrentFilePath = (folder / "New.QVR").string();
    ASSERT_TRUE(files.ReadKeyValueFile());
    EXPECT_EQ(model.state.keyValueTable, (KeyValueTable{{"CustName", "Default"}}));
    EXPECT_EQ(model.state.CurrentFilePath, (folder / "New.QVR").string());
    EXPECT_FALSE(model.state.FileChosen);
    EXPECT_TRUE(model.state.UserFileOpen);
}

TEST_F(ReadKeyValueFileTest, empties_the_table_before_it_reads) {
    model.state.keyValueTable = {{"Old", "1"}, {"CustName", "Old"}};
    ASSERT_TRUE(files.ReadKeyValueFile());
    EXPECT_EQ(model.state.keyValueTable, (KeyValueTable{{"CustName", "Default"}}));
}

TEST_F(ReadKeyValueFileTest, reads_windows_1252_and_utf8_files_to_the_same_text) {
    writeBytes(folder / "ansi.QVR", "HoistMotor = Frame 802 \xBD Hour Rating\r\n");
    writeBytes(folder / "utf8.QVR", "HoistMotor = Frame 802 \xC2\xBD Hour Rating\n");
    model.state.FileChosen = true;
    for (const char* name : {"ansi.QVR", "utf8.QVR"}) {
        model.state.CurrentFilePath = (folder / name).string();
        ASSERT_TRUE(files.ReadKeyValueFile()) << name;
        EXPECT_EQ(model.state.keyValueTable,
                  (KeyValueTable{{"HoistMotor", "Frame 802 \u00BD Hour Rating"}}))
            << name;
    }
}

TEST_F(ReadKeyValueFileTest, a_byte_order_mark_does_not_hide_the_first_key) {
    writeBytes(folder / "bom.QVR", "\xEF\xBB\xBF"
                                   "CustName = Marked\r\n");
    model.state.FileChosen = true;
    model.state.CurrentFilePath = (folder / "bom.QVR").string();
    ASSERT_TRUE(files.ReadKeyValueFile());
    EXPECT_EQ(model.state.keyValueTable, (KeyValueTable{{"CustName", "Marked"}}));
}

struct DefaultLikePath {
    const char* name;
    std::string relative; // under the temporary folder
    bool userFile;
};

class ChosenFilePaths : public ::testing::TestWithParam<DefaultLikePath> {};

TEST_P(ChosenFilePaths, are_the_users_file_unless_they_hold_customer_ini) {
    TempFolder folder;
    const fs::path path = folder / GetParam().relative;
    fs::create_directories(path.parent_path());
    writeBytes(path, "CustName = X\r\n");
    SavingsModel model;
    RecordingFileHost host;
    files::ProjectFiles files(model, host, folder.path());
    model.state.FileChosen = true;
    model.state.CurrentFilePath = path.string();
    ASSERT_TRUE(files.ReadKeyValueFile());
    EXPECT_EQ(model.state.UserFileOpen, GetParam().userFile);
    EXPECT_TRUE(model.state.ProjectLoaded);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ChosenFilePaths,
    ::testing::Values(DefaultLikePath{"a_project", "Crane.QVR", true},
                      DefaultLikePath{"a_project_named_customer_ini", "Customer.ini.QVR", false},
                      DefaultLikePath{"inside_a_folder_named_like_it", "Customer.ini old/Crane.QVR",
                                      false},
                      DefaultLikePath{"other_letter_case", "customer.ini.QVR", true},
                      DefaultLikePath{"the_name_in_the_middle", "MyCustomer.ini2.QVR", false}),
    [](const ::testing::TestParamInfo<DefaultLikePath>& info) {
        return std::string(info.param.name);
    });

struct Unreadable {
    const char* name;
    void (*make)(const fs::path&);
    const char* reason; // empty: any reason
};

class UnreadableProjectFiles : public ::testing::TestWithParam<Unreadable> {};

TEST_P(UnreadableProjectFiles, are_reported_and_change_nothing) {
    TempFolder folder;
    const fs::path path = folder / "Crane.QVR";
    GetParam().make(path);
    SavingsModel model;
    RecordingFileHost host;
    files::ProjectFiles files(model, host, folder.path());
    model.state.FileChosen = true;
    model.state.CurrentFilePath = path.string();
    model.state.keyValueTable = {{"CustName", "Before"}};

    EXPECT_FALSE(files.ReadKeyValueFile());

    EXPECT_EQ(model.state.keyValueTable, (KeyValueTable{{"CustName", "Before"}}));
    EXPECT_EQ(model.state.CurrentFilePath, path.string());
    EXPECT_TRUE(model.state.FileChosen);
    EXPECT_FALSE(model.state.UserFileOpen);
    EXPECT_FALSE(model.state.ProjectLoaded);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find(path.string()), std::string::npos) << host.messages[0];
    EXPECT_NE(host.messages[0].find(GetParam().reason), std::string::npos) << host.messages[0];
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnreadableProjectFiles,
    ::testing::Values(
        Unreadable{"missing", [](const fs::path&) {}, "No such file or directory"},
        Unreadable{"a_folder", [](const fs::path& p) { fs::create_directory(p); }, ""},
        Unreadable{"binary",
                   [](const fs::path& p) { writeBytes(p, std::string("A = 1\0\0\0\x01", 9)); }, ""},
        Unreadable{"huge",
                   [](const fs::path& p) {
                       writeBytes(p, std::string(files::kMaxProjectFileBytes + 1, 'x'));
                   },
                   ""}),
    [](const ::testing::TestParamInfo<Unreadable>& info) { return std::string(info.param.name); });

TEST(UnreadableDefaultFile, is_reported_with_its_path_and_leaves_the_state_as_it_was) {
    TempFolder folder;
    SavingsModel model;
    RecordingFileHost host;
    files::ProjectFiles files(model, host, folder.path());
    EXPECT_FALSE(files.ReadKeyValueFile());
    EXPECT_EQ(model.state.CurrentFilePath, "");
    EXPECT_FALSE(model.state.FileChosen);
    EXPECT_FALSE(model.state.UserFileOpen);
    EXPECT_FALSE(model.state.ProjectLoaded);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find((folder / "Customer.ini").string()), std::string::npos)
        << host.messages[0];
}

TEST(EnsureDefaultsRead, reads_the_default_file_for_a_new_project_and_marks_it_the_users) {
    TempFolder folder;
    writeBytes(folder / "Customer.ini", "CustName = Default\r\n");
    SavingsModel model;
    RecordingFileHost host;
    files::ProjectFiles files(model, host, folder.path());
    model.state.CurrentFilePath = (folder / "New.QVR").string();
    files.EnsureDefaultsRead();
    EXPECT_EQ(model.state.keyValueTable, (KeyValueTable{{"CustName", "Default"}}));
    EXPECT_TRUE(model.state.ProjectLoaded);
    EXPECT_TRUE(model.state.UserFileOpen);
}

TEST(EnsureDefaultsRead, reads_nothing_once_a_file_has_been_read) {
    TempFolder folder;
    writeBytes(folder / "Customer.ini", "CustName = Default\r\n");
    SavingsModel model;
    RecordingFileHost host;
    files::ProjectFiles files(model, host, folder.path());
    model.state.ProjectLoaded = true;
    model.state.keyValueTable = {{"CustName", "Read before"}};
    files.EnsureDefaultsRead();
    EXPECT_EQ(model.state.keyValueTable, (KeyValueTable{{"CustName", "Read before"}}));
    EXPECT_TRUE(model.state.UserFileOpen);
    EXPECT_TRUE(host.progressValues().empty());
}

} // namespace
