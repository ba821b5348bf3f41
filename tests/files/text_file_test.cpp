#include "support/temp_folder.h"

#include "files/text_file.h"

#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace payvanta;
using payvanta::test::readBytes;
using payvanta::test::TempFolder;
using payvanta::test::writeBytes;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLimit = 1024 * 1024;

std::set<std::string> filesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        names.insert(e.path().lexically_relative(folder).string());
    }
    return names;
}

TEST(ReadSmallTextFile, reads_a_text_file_up_to_the_limit_and_refuses_others_without_waiting) {
    TempFolder t;
    const std::string text = "CustName = Acme\r\nHoistMotor = \xBD\r\n\tx\n";
    writeBytes(t / "a.QVR", text);
    fs::create_symlink(t / "a.QVR", t / "link.QVR");
    writeBytes(t / "empty.QVR", "");
    writeBytes(t / "limit.QVR", std::string(kLimit, 'x'));
    fs::create_directory(t / "folder");
    writeBytes(t / "binary", std::string("A = 1\0B\r\n", 9));
    writeBytes(t / "huge", std::string(kLimit + 1, 'x'));
    ASSERT_EQ(::mkfifo((t / "fifo").c_str(), 0600), 0);
    // What is read, or the reason it is refused.
    const std::pair<fs::path, std::string> cases[] = {
        {t / "a.QVR", "read " + text},
        {t / "link.QVR", "read " + text},
        {t / "empty.QVR", "read "},
        {t / "limit.QVR", "read " + std::string(kLimit, 'x')},
        {t / "missing", "No such file or directory"},
        {t / "folder", "it is a folder, not a file"},
        {t / "binary", "it is not a text file"},
        {t / "huge", "it is larger than 1 MiB, too large for this kind of file"},
        {"/dev/zero", "it is not a regular file"},
        {t / "fifo", "it is not a regular file"}, // which has no writer
    };
    auto reading = std::async(std::launch::async, [&] {
        std::vector<std::string> results;
        for (const auto& c : cases) {
            const auto read = files::readSmallTextFile(c.first, kLimit);
            results.push_back(read ? "read " + *read : read.failure().reason);
        }
        return results;
    });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ::close(::open((t / "fifo").c_str(), O_WRONLY | O_NONBLOCK)); // lets the reader go
        FAIL() << "the reading waits";
    }
    const auto results = reading.get();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_TRUE(results[i] == cases[i].second)
            << cases[i].first << ": " << results[i].substr(0, 80);
    }
}

TEST(ReplaceFileAtomically, replaces_the_whole_file_also_through_a_link_leaving_no_other_file) {
    TempFolder t;
    EXPECT_EQ(files::replaceFileAtomically(t / "p.QVR", std::string(5000, 'x')), std::nullopt);
    fs::create_symlink(t / "p.QVR", t / "link.QVR");
    EXPECT_EQ(files::replaceFileAtomically(t / "link.QVR", "A = \xBD\r\n"), std::nullopt);
    EXPECT_EQ(readBytes(t / "p.QVR"), "A = \xBD\r\n");
    EXPECT_TRUE(fs::is_symlink(t / "link.QVR"));
    EXPECT_EQ(filesIn(t.path()), (std::set<std::string>{"link.QVR", "p.QVR"}));
}

TEST(ReplaceFileAtomically, fails_on_a_folder_of_that_name_leaving_it_and_no_temporary_file) {
    TempFolder t;
    fs::create_directory(t / "p.QVR");
    writeBytes(t / "p.QVR" / "inside", "kept");
    EXPECT_EQ(files::replaceFileAtomically(t / "p.QVR", "A = 1\r\n")->reason,
              "it is a folder, not a file");
    EXPECT_EQ(filesIn(t.path()), (std::set<std::string>{"p.QVR", "p.QVR/inside"}));
}

TEST(TextFiles, without_permission_fail_with_the_system_reason_leaving_the_old_file_and_no_other) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    TempFolder t;
    fs::create_directory(t / "ro");
    writeBytes(t / "ro" / "p.QVR", "old\r\n");
    fs::permissions(t / "ro" / "p.QVR", fs::perms::none);
    fs::permissions(t / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(files::readSmallTextFile(t / "ro" / "p.QVR", kLimit).failure().reason,
              "Permission denied");
    EXPECT_EQ(files::replaceFileAtomically(t / "ro" / "p.QVR", "new\r\n")->reason,
              "Permission denied");
    fs::permissions(t / "ro", fs::perms::owner_all);
    fs::permissions(t / "ro" / "p.QVR", fs::perms::owner_read);
    EXPECT_EQ(readBytes(t / "ro" / "p.QVR"), "old\r\n");
    EXPECT_EQ(filesIn(t / "ro"), std::set<std::string>{"p.QVR"});
}

} // namespace
