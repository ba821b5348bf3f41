#include "files/text_file.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace payvanta;
using payvanta::test::readBytes;
using payvanta::test::TempFolder;
using payvanta::test::writeBytes;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLimit = 1024 * 1024;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool runningAsRoot() {
    return ::geteuid() == 0;
}

TEST(ReadSmallTextFile, reads_a_text_file_byte_for_byte) {
    TempFolder t;
    const std::string bytes = "CustName = Acme\r\nHoistMotor = \xBD\r\n\tx\n";
    writeBytes(t / "a.QVR", bytes);
    const auto r = files::readSmallTextFile(t / "a.QVR", kLimit);
    ASSERT_TRUE(r) << r.reason;
    EXPECT_EQ(*r.bytes, bytes);
}

TEST(ReadSmallTextFile, reads_an_empty_file_as_empty_text) {
    TempFolder t;
    writeBytes(t / "empty.QVR", "");
    const auto r = files::readSmallTextFile(t / "empty.QVR", kLimit);
    ASSERT_TRUE(r) << r.reason;
    EXPECT_EQ(*r.bytes, "");
}

TEST(ReadSmallTextFile, refuses_a_missing_file_with_the_system_reason) {
    TempFolder t;
    const auto r = files::readSmallTextFile(t / "missing.QVR", kLimit);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.reason, "No such file or directory");
}

TEST(ReadSmallTextFile, refuses_a_folder) {
    TempFolder t;
    fs::create_directory(t / "folder.QVR");
    const auto r = files::readSmallTextFile(t / "folder.QVR", kLimit);
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.reason.empty());
}

TEST(ReadSmallTextFile, refuses_binary_bytes) {
    TempFolder t;
    writeBytes(t / "binary.QVR", std::string("CustName = A\0B\r\n", 17));
    const auto r = files::readSmallTextFile(t / "binary.QVR", kLimit);
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.reason.empty());
}

TEST(ReadSmallTextFile, takes_a_file_of_exactly_the_limit_and_refuses_one_byte_more) {
    TempFolder t;
    writeBytes(t / "limit.QVR", std::string(kLimit, 'x'));
    writeBytes(t / "huge.QVR", std::string(kLimit + 1, 'x'));
    EXPECT_TRUE(files::readSmallTextFile(t / "limit.QVR", kLimit));
    const auto r = files::readSmallTextFile(t / "huge.QVR", kLimit);
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.reason.empty());
}

TEST(ReadSmallTextFile, refuses_a_sparse_file_of_a_gigabyte_without_reading_it) {
    TempFolder t;
    const auto path = t / "sparse.QVR";
    writeBytes(path, "");
    fs::resize_file(path, 1ull << 30);
    const auto r = files::readSmallTextFile(path, kLimit);
    EXPECT_FALSE(r);
}

TEST(ReadSmallTextFile, refuses_an_endless_device) {
    const auto r = files::readSmallTextFile("/dev/zero", kLimit);
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.reason.empty());
}

TEST(ReadSmallTextFile, refuses_a_fifo_without_waiting_for_a_writer) {
    TempFolder t;
    const auto fifo = t / "pipe.QVR";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto reading =
        std::async(std::launch::async, [&] { return files::readSmallTextFile(fifo, kLimit); });
    if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Let the blocked reader go before failing.
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
        }
        FAIL() << "reading a FIFO waits for a writer";
    }
    const auto r = reading.get();
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.reason.empty());
}

TEST(ReadSmallTextFile, follows_a_link_to_a_text_file) {
    TempFolder t;
    writeBytes(t / "real.QVR", "A = 1\r\n");
    fs::create_symlink(t / "real.QVR", t / "link.QVR");
    const auto r = files::readSmallTextFile(t / "link.QVR", kLimit);
    ASSERT_TRUE(r) << r.reason;
    EXPECT_EQ(*r.bytes, "A = 1\r\n");
}

TEST(ReadSmallTextFile, refuses_an_unreadable_file_with_the_system_reason) {
    if (runningAsRoot()) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    TempFolder t;
    writeBytes(t / "locked.QVR", "A = 1\r\n");
    fs::permissions(t / "locked.QVR", fs::perms::none);
    const auto r = files::readSmallTextFile(t / "locked.QVR", kLimit);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.reason, "Permission denied");
}

TEST(ReplaceFileAtomically, creates_a_new_file_with_the_bytes_and_nothing_else) {
    TempFolder t;
    const std::string bytes = "A = 1\r\nB = \xBD\r\n";
    EXPECT_EQ(files::replaceFileAtomically(t / "new.QVR", bytes), std::nullopt);
    EXPECT_EQ(readBytes(t / "new.QVR"), bytes);
    EXPECT_EQ(namesIn(t.path()), std::vector<std::string>{"new.QVR"});
}

TEST(ReplaceFileAtomically, replaces_a_longer_file_entirely) {
    TempFolder t;
    writeBytes(t / "p.QVR", std::string(5000, 'x'));
    EXPECT_EQ(files::replaceFileAtomically(t / "p.QVR", "short\r\n"), std::nullopt);
    EXPECT_EQ(readBytes(t / "p.QVR"), "short\r\n");
    EXPECT_EQ(namesIn(t.path()), std::vector<std::string>{"p.QVR"});
}

TEST(ReplaceFileAtomically, fails_when_the_parent_is_a_regular_file) {
    TempFolder t;
    writeBytes(t / "plain", "not a folder");
    const auto reason = files::replaceFileAtomically(t / "plain" / "p.QVR", "A = 1\r\n");
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    EXPECT_EQ(readBytes(t / "plain"), "not a folder");
    EXPECT_EQ(namesIn(t.path()), std::vector<std::string>{"plain"});
}

TEST(ReplaceFileAtomically, fails_on_a_folder_of_that_name_and_leaves_no_temporary_file) {
    TempFolder t;
    fs::create_directory(t / "p.QVR");
    writeBytes(t / "p.QVR" / "inside", "kept");
    const auto reason = files::replaceFileAtomically(t / "p.QVR", "A = 1\r\n");
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    EXPECT_TRUE(fs::is_directory(t / "p.QVR"));
    EXPECT_EQ(readBytes(t / "p.QVR" / "inside"), "kept");
    EXPECT_EQ(namesIn(t.path()), std::vector<std::string>{"p.QVR"});
}

TEST(ReplaceFileAtomically, fails_in_a_read_only_folder_leaving_the_old_file_untouched) {
    if (runningAsRoot()) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    TempFolder t;
    fs::create_directory(t / "ro");
    writeBytes(t / "ro" / "p.QVR", "old\r\n");
    fs::permissions(t / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    const auto reason = files::replaceFileAtomically(t / "ro" / "p.QVR", "new\r\n");
    fs::permissions(t / "ro", fs::perms::owner_all);
    ASSERT_TRUE(reason.has_value());
    EXPECT_EQ(*reason, "Permission denied");
    EXPECT_EQ(readBytes(t / "ro" / "p.QVR"), "old\r\n");
    EXPECT_EQ(namesIn(t / "ro"), std::vector<std::string>{"p.QVR"});
}

TEST(ReplaceFileAtomically, keeps_a_link_pointing_at_the_replaced_file) {
    TempFolder t;
    writeBytes(t / "real.QVR", "old\r\n");
    fs::create_symlink(t / "real.QVR", t / "link.QVR");
    EXPECT_EQ(files::replaceFileAtomically(t / "link.QVR", "new\r\n"), std::nullopt);
    EXPECT_EQ(readBytes(t / "real.QVR"), "new\r\n");
    EXPECT_TRUE(fs::is_symlink(t / "link.QVR"));
}

using Lines = std::vector<std::pair<std::string, std::size_t>>;

Lines linesOf(std::string_view text) {
    Lines lines;
    files::forEachLine(text, [&](std::string_view line, std::size_t number) {
        lines.emplace_back(std::string(line), number);
    });
    return lines;
}

TEST(ForEachLine, ends_a_line_at_crlf_lf_or_a_lone_cr) {
    EXPECT_EQ(linesOf("a\r\nb\nc\rd"), (Lines{{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}}));
}

TEST(ForEachLine, counts_blank_lines_and_gives_no_line_after_the_last_break) {
    EXPECT_EQ(linesOf("a\r\n\r\n\nb\r\n"), (Lines{{"a", 1}, {"", 2}, {"", 3}, {"b", 4}}));
    EXPECT_EQ(linesOf("a\r\r\nb"), (Lines{{"a", 1}, {"", 2}, {"b", 3}}));
    EXPECT_EQ(linesOf("\n"), (Lines{{"", 1}}));
    EXPECT_EQ(linesOf(""), Lines{});
}

TEST(TrimSpaces, removes_spaces_only) {
    EXPECT_EQ(files::trimSpaces("   a b  "), "a b");
    EXPECT_EQ(files::trimSpaces(" \ta\t "), "\ta\t");
    EXPECT_EQ(files::trimSpaces("    "), "");
    EXPECT_EQ(files::trimSpaces(""), "");
}

} // namespace
