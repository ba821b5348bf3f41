#include "files/output_folder.h"
#include "support/as_unprivileged.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace payvanta;
using payvanta::test::TempFolder;
namespace fs = std::filesystem;

namespace {

// The name found, or the folder and reason of the failure.
std::string nameIn(const fs::path& folder, const std::string& name) {
    const auto file = files::newFileNameIn(folder, name, ".pdf");
    return file ? file->filename().string() : file.failure().path + ": " + file.failure().reason;
}

TEST(NewFileNameIn, makes_the_folder_and_passes_over_files_links_and_fifos_of_the_name) {
    TempFolder t;
    const fs::path folder = t / "Printouts" / "Crane";
    EXPECT_EQ(nameIn(folder, "Crane - Print All"), "Crane - Print All.pdf");
    test::writeBytes(folder / "Crane - Print All.pdf", "");
    fs::create_symlink(t / "nowhere.pdf", folder / "Crane - Print All (2).pdf");
    ASSERT_EQ(::mkfifo((folder / "Crane - Print All (3).pdf").c_str(), 0600), 0);
    EXPECT_EQ(nameIn(folder, "Crane - Print All"), "Crane - Print All (4).pdf");
    EXPECT_FALSE(fs::exists(fs::symlink_status(t / "nowhere.pdf")));
}

TEST(NewFileNameIn, a_folder_that_cannot_be_made_or_entered_or_a_name_too_long_fails_by_folder) {
    TempFolder t;
    ASSERT_EQ(::chmod(t.path().c_str(), 0755), 0);
    test::writeBytes(t / "Ladle.QVR", "");
    EXPECT_EQ(nameIn(t / "Ladle.QVR" / "Printouts", "a"),
              (t / "Ladle.QVR" / "Printouts").string() + ": Not a directory");
    // A project name of 230 bytes, which a project file may have, with the command and time.
    EXPECT_EQ(nameIn(t.path(), std::string(230, 'L') + " - Print All - 2026-12-06 201503"),
              t.path().string() + ": File name too long");
    // A folder that may be read but not entered; root enters any, so nobody tries.
    fs::create_directory(t / "closed");
    ASSERT_EQ(::chmod((t / "closed").c_str(), 0644), 0);
    EXPECT_EQ(test::asUnprivileged([&] { return nameIn(t / "closed", "a"); }),
              (t / "closed").string() + ": Permission denied");
}

} // namespace
