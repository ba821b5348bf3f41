#include "ui/qt/lock_file.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace payvanta::ui::qt {

namespace {

// Whether the open file is still the one at `path`: the copy that held the lock removes
// the file as it lets go, and a process that opened it just before then locks a file
// that nobody else finds.
bool stillNamed(int file, const std::string& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(file, &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

LockFile::Attempt LockFile::take(const std::string& path) {
    // Three tries are plenty: each retry means another copy let go of the lock meanwhile.
    constexpr int kTries = 3;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        SocketHandle file(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (!file.valid()) {
            return {Outcome::Failed, nullptr, errno};
        }
        if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) {
                return {Outcome::HeldElsewhere, nullptr, 0};
            }
            return {Outcome::Failed, nullptr, errno};
        }
        if (!stillNamed(file.get(), path)) {
            continue;
        }
        // The process id is a note for a person who looks; the lock holds without it.
        const std::string pid = std::to_string(::getpid()) + "\n";
        if (::ftruncate(file.get(), 0) == 0) {
            [[maybe_unused]] const ssize_t written = ::write(file.get(), pid.data(), pid.size());
        }
        return {Outcome::Taken, std::unique_ptr<LockFile>(new LockFile(path, std::move(file))), 0};
    }
    return {Outcome::Failed, nullptr, EAGAIN};
}

LockFile::LockFile(std::string path, SocketHandle file)
    : path_(std::move(path)), file_(std::move(file)) {}

LockFile::~LockFile() {
    // Removed while still locked, so that nobody takes the lock on a file about to go.
    ::unlink(path_.c_str());
}

} // namespace payvanta::ui::qt
