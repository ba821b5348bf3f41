#include "files/program_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace payvanta;
using payvanta::test::readBytes;
using payvanta::test::writeBytes;
namespace fs = std::filesystem;

namespace {

const char* const kShipped[] = {"Customer.ini", "MillMoto.ini", "UtilRate.ini",
                                "ShoeCost.ini", "TipCosts.ini", "examples/Crane.QVR"};

// A program's own folder, its installed data (each file holding its own name) and a
// user's folder that does not exist yet.
struct Places {
    test::TempFolder temp;
    files::ProgramFolderPlaces places{temp / "bin", temp / "share", temp / "Documents/Payvanta"};
    const fs::path& user = places.userFolder;

    Places() {
        fs::create_directories(places.programsFolder);
        fs::create_directories(places.installedData / "examples");
        for (const char* name : kShipped) {
            writeBytes(places.installedData / name, name);
        }
    }
};

TEST(ProgramFolder, a_writable_program_folder_with_the_data_is_used_as_it_is) {
    Places p;
    writeBytes(p.places.programsFolder / "Customer.ini", "");
    const auto folder = files::prepareProgramFolder(p.places);
    ASSERT_TRUE(folder) << folder.failure().reason;
    EXPECT_EQ(*folder, p.places.programsFolder);
    EXPECT_EQ(files::readingProgramFolder(p.places), p.places.programsFolder);
    EXPECT_FALSE(fs::exists(p.user));
}

TEST(ProgramFolder, the_first_start_of_an_installed_program_fills_the_users_folder) {
    Places p;
    EXPECT_EQ(files::readingProgramFolder(p.places), p.places.installedData);
    const auto folder = files::prepareProgramFolder(p.places);
    ASSERT_TRUE(folder) << folder.failure().reason;
    EXPECT_EQ(*folder, p.user);
    for (const char* name : kShipped) {
        EXPECT_EQ(readBytes(p.user / name), name);
    }
    const auto entries = [](const fs::path& f) {
        return std::distance(fs::directory_iterator(f), {});
    };
    EXPECT_EQ(entries(p.user) + entries(p.user / "examples"), 7) << "nothing else is left there";
    EXPECT_EQ(files::readingProgramFolder(p.places), p.user);
}

TEST(ProgramFolder, a_later_start_puts_back_missing_data_and_replaces_nothing) {
    Places p;
    fs::create_directories(p.user / "examples");
    writeBytes(p.user / "Customer.ini", "mine");
    ASSERT_TRUE(files::prepareProgramFolder(p.places));
    EXPECT_EQ(readBytes(p.user / "Customer.ini"), "mine");
    EXPECT_EQ(readBytes(p.user / "MillMoto.ini"), "MillMoto.ini");
    EXPECT_FALSE(fs::exists(p.user / "examples/Crane.QVR")) << "the user's examples stay theirs";
}

TEST(ProgramFolder, a_read_only_program_folder_gives_its_data_to_the_users_folder) {
    Places p;
    writeBytes(p.places.programsFolder / "Customer.ini", "beside the program");
    fs::permissions(p.places.programsFolder, fs::perms::owner_write, fs::perm_options::remove);
    if (std::FILE* f = std::fopen((p.places.programsFolder / "probe").c_str(), "w")) {
        std::fclose(f);
        GTEST_SKIP() << "permissions do not hold for this user";
    }
    const auto folder = files::prepareProgramFolder(p.places);
    ASSERT_FALSE(folder) << "the tables are not beside the program";
    EXPECT_EQ(folder.failure().path, (p.places.programsFolder / "MillMoto.ini").string());
    EXPECT_EQ(readBytes(p.user / "Customer.ini"), "beside the program");
}

TEST(ProgramFolder, a_folder_that_cannot_be_made_or_filled_is_a_failure_with_its_reason) {
    for (const bool blocked : {true, false}) {
        Places p;
        if (blocked) {
            writeBytes(p.temp / "Documents", "a file");
        } else {
            fs::remove(p.places.installedData / "UtilRate.ini");
        }
        const auto folder = files::prepareProgramFolder(p.places);
        ASSERT_FALSE(folder);
        EXPECT_EQ(folder.failure().path,
                  (blocked ? p.user : p.places.installedData / "UtilRate.ini").string());
        EXPECT_NE(folder.failure().reason, "");
    }
}

} // namespace
