#include "files/project_file.h"
#include "files/text_file.h"
#include "support/as_unprivileged.h"
#include "support/temp_folder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace payvanta;
using payvanta::test::asUnprivileged;
using payvanta::test::filesIn;
using payvanta::test::kNobody;
using payvanta::test::readBytes;
using payvanta::test::TempFolder;
using payvanta::test::writeBytes;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLimit = 1024 * 1024;

std::string reasonOf(const std::optional<files::Failure>& failure) {
    return failure ? failure->reason : std::string();
}

struct stat statOf(const fs::path& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
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
    const std::string controls = "ProjName = " + std::string(40, '\x14') + "\r\n";
    writeBytes(t / "controls.QVR", controls);
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
        {t / "controls.QVR", "read " + controls},
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
    EXPECT_EQ(reasonOf(files::replaceFileAtomically(t / "p.QVR", "A = 1\r\n")),
              "it is a folder, not a file");
    EXPECT_EQ(filesIn(t.path()), (std::set<std::string>{"p.QVR", "p.QVR/inside"}));
}

TEST(ReplaceFileAtomically, leaves_a_fifo_in_its_place_as_it_is_also_behind_a_link) {
    TempFolder t;
    ASSERT_EQ(::mkfifo((t / "fifo").c_str(), 0600), 0);
    fs::create_symlink(t / "fifo", t / "link");
    for (const char* name : {"fifo", "link"}) {
        EXPECT_EQ(reasonOf(files::replaceFileAtomically(t / name, "%PDF")),
                  "it is not a regular file");
    }
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(t / "fifo")));
    EXPECT_EQ(filesIn(t.path()), (std::set<std::string>{"fifo", "link"}));
}

TEST(ReplaceFileAtomically, replacing_a_link_keeps_what_it_points_at_even_where_no_file_is_made) {
    TempFolder t;
    ASSERT_EQ(::chmod(t.path().c_str(), 0755), 0);
    fs::create_directories(t / "mine");
    fs::create_directories(t / "shared");
    writeBytes(t / "mine" / "notes", "kept");
    ASSERT_EQ(::chmod((t / "mine" / "notes").c_str(), 0666), 0);
    fs::create_symlink(t / "mine" / "notes", t / "shared" / "a.pdf");
    fs::create_symlink(t / "mine" / "new", t / "shared" / "b.pdf"); // points nowhere yet
    ASSERT_EQ(::mkfifo((t / "shared" / "fifo").c_str(), 0600), 0);
    fs::create_symlink(t / "shared" / "fifo", t / "shared" / "c.pdf");
    for (const char* name : {"a.pdf", "b.pdf", "c.pdf"}) {
        const fs::path pdf = t / "shared" / name;
        EXPECT_EQ(files::replaceFileAtomically(pdf, "%PDF", files::LinkAtName::Replace),
                  std::nullopt);
        // Read only as a file: through a link to the FIFO, reading would wait for a writer.
        ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(pdf))) << pdf;
        EXPECT_EQ(readBytes(pdf), "%PDF");
    }
    EXPECT_EQ(readBytes(t / "mine" / "notes"), "kept");
    EXPECT_EQ(filesIn(t / "mine"), std::set<std::string>{"notes"});
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(t / "shared" / "fifo")));
    // A folder that takes no new file: the link cannot be replaced, and is not written
    // through either (as the folder's file would be, in place).
    fs::create_symlink(t / "mine" / "notes", t / "mine" / "d.pdf");
    ASSERT_EQ(::chmod((t / "mine").c_str(), 0755), 0);
    EXPECT_EQ(asUnprivileged([&] {
                  return reasonOf(files::replaceFileAtomically(t / "mine" / "d.pdf", "%PDF",
                                                               files::LinkAtName::Replace));
              }),
              "Permission denied");
    EXPECT_EQ(readBytes(t / "mine" / "notes"), "kept");
}

TEST(ReplaceFileAtomically, keeps_owner_group_and_mode_and_removes_the_copies_of_a_crashed_save) {
    TempFolder t;
    writeBytes(t / "p.QVR", "old\r\n");
    ASSERT_EQ(::chmod((t / "p.QVR").c_str(), 0640), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown((t / "p.QVR").c_str(), 1234, 5678), 0);
    }
    const struct stat before = statOf(t / "p.QVR");
    for (const char* name : {"p.QVR.tmp-a1b2c3", "p.QVR.tmp-keep", "q.QVR.tmp-a1b2c3"}) {
        writeBytes(t / name, "left behind");
    }
    const mode_t umask = ::umask(077); // which must not narrow the file's permissions
    EXPECT_EQ(files::replaceFileAtomically(t / "p.QVR", "new\r\n"), std::nullopt);
    ::umask(umask);
    const struct stat after = statOf(t / "p.QVR");
    EXPECT_EQ(readBytes(t / "p.QVR"), "new\r\n");
    EXPECT_NE(after.st_ino, before.st_ino); // a new file took the old one's place
    EXPECT_EQ(std::tuple(after.st_uid, after.st_gid, after.st_mode),
              std::tuple(before.st_uid, before.st_gid, before.st_mode));
    EXPECT_EQ(filesIn(t.path()),
              (std::set<std::string>{"p.QVR", "p.QVR.tmp-keep", "q.QVR.tmp-a1b2c3"}));
}

TEST(ReplaceFileAtomically, writes_in_place_where_no_copy_can_keep_folder_or_owner_else_fails) {
    TempFolder t;
    ASSERT_EQ(::chmod(t.path().c_str(), 0755), 0);
    fs::create_directories(t / "backups");
    fs::permissions(t / "backups", fs::perms::all);
    const uid_t user = ::geteuid() == 0 ? kNobody : ::geteuid();
    const gid_t userGroup = ::geteuid() == 0 ? kNobody : ::getegid();
    // A folder that takes new files; a read-only folder with a file that may be written,
    // and one with a file that may not; where the tests may make a file of another owner,
    // a group folder holding root's file that the group may write.
    const struct Case {
        const char* folder;
        mode_t folderMode;
        mode_t fileMode;
        const char* failure; // of a save that fits; nothing: the content is new
    } cases[] = {{"rw", 0700, 0600, ""},
                 {"ro", 0555, 0600, ""},
                 {"locked", 0555, 0, "Permission denied"},
                 {"group", 0770, 0660, ""}};
    for (const Case& k : cases) {
        const bool group = k.folder == std::string("group");
        if (group && ::geteuid() != 0) {
            continue;
        }
        const fs::path file = t / k.folder / "p.QVR";
        fs::create_directory(file.parent_path());
        writeBytes(file, "old\r\n");
        for (const fs::path& p : {file.parent_path(), file}) {
            ASSERT_EQ(::chown(p.c_str(), group ? 0 : user, userGroup), 0);
        }
        ASSERT_EQ(::chmod(file.parent_path().c_str(), k.folderMode) |
                      ::chmod(file.c_str(), k.fileMode),
                  0);
        const struct stat before = statOf(file);
        // A save that cannot be written whole (the file size is limited) changes nothing.
        for (const std::size_t size : {5000, 5}) {
            const std::string saved = asUnprivileged([&] {
                ::setenv("TMPDIR", (t / "backups").c_str(), 1);
                const rlimit limit{100, 100};
                ::signal(SIGXFSZ, SIG_IGN);
                ::setrlimit(RLIMIT_FSIZE, &limit);
                return reasonOf(files::replaceFileAtomically(file, std::string(size, 'n')));
            });
            const bool saves = size == 5 && *k.failure == 0;
            EXPECT_EQ(saved, *k.failure != 0 || size == 5 ? k.failure : "File too large") << file;
            ::chmod(file.c_str(), 0600);
            EXPECT_EQ(readBytes(file), saves ? "nnnnn" : "old\r\n") << file;
            ::chmod(file.c_str(), k.fileMode);
            EXPECT_EQ(filesIn(file.parent_path()), std::set<std::string>{"p.QVR"});
        }
        const struct stat after = statOf(file);
        EXPECT_EQ(
            std::tuple(after.st_ino == before.st_ino, after.st_uid, after.st_gid, after.st_mode),
            std::tuple(k.folderMode != 0700, before.st_uid, before.st_gid, before.st_mode))
            << file;
    }
    EXPECT_EQ(filesIn(t / "backups"), std::set<std::string>{}) << "a backup was left behind";
}

// A project that opened can grow past what the program opens when saved (a name near the
// limit, a text that needs two bytes a character): such a save is refused, so that no
// saved project is one the program cannot open again.
TEST(writeProjectFile, refuses_a_file_too_large_to_open_again_and_keeps_the_one_there) {
    TempFolder t;
    const fs::path file = t / "Big.QVR";
    writeBytes(file, "CustName = small\r\n");
    ProjectRecord record;
    record.set(Field::CustName, std::string(files::kMaxProjectFileBytes / 2, 'a'));
    ASSERT_FALSE(files::writeProjectFile(file, record, LocaleConventions::unitedStates()));
    ASSERT_TRUE(files::readProjectFile(file));
    // One byte each in Windows-1252, but the Polish L makes the file UTF-8: two bytes each.
    std::string name = "\u0141";
    for (std::size_t i = 0; i < files::kMaxProjectFileBytes / 2; ++i) {
        name += "\u00E9";
    }
    record.set(Field::CustName, name);
    const auto failure = files::writeProjectFile(file, record, LocaleConventions::unitedStates());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->reason, "it would be larger than 1 MiB, too large to be opened again");
    EXPECT_TRUE(files::readProjectFile(file));
}

} // namespace
