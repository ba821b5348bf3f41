#include "text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace payvanta::files {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLetters = kTemporarySuffixBytes - kTemporaryMark.size();
// The backup of a file written in place takes this much of the file's name.
constexpr std::size_t kBackupNameBytes = 100;

// A failure with the system's error number, its path still to be given.
Failure systemFailure(int err, std::string_view before = {}, std::string_view after = {}) {
    err = err != 0 ? err : EIO;
    return {{}, std::string(before) + std::strerror(err) + std::string(after), err};
}

// A failure whose reason is the program's own.
Failure ownFailure(std::string reason) {
    return {{}, std::move(reason), 0};
}

std::string sizeText(std::size_t bytes) {
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0) {
        return std::to_string(bytes / (1024 * 1024)) + " MiB";
    }
    return std::to_string(bytes) + " bytes";
}

std::string tooLarge(std::size_t maxBytes) {
    return "it is larger than " + sizeText(maxBytes) + ", too large for this kind of file";
}

// Text never holds NUL; a file where more than one byte in 32 is a control character
// other than the usual line and page controls is not text either.
bool looksBinary(std::string_view bytes) {
    // A NUL byte, which no text of ours holds and nearly every binary file does. Other control
    // characters are not counted: a project may hold them in its values, and a saved project,
    // shorter than the file it came from, must open again.
    return bytes.find('\0') != std::string_view::npos;
}

// An open file, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes now; the errno of a failed close, or 0.
    int close() {
        const int fd = std::exchange(fd_, -1);
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int fd_;
};

// Reads to the end, at most `limit` bytes, starting with room for `sizeHint` of them (a
// file that reports no size, such as one of /proc, is read in growing steps). The errno
// of a failed read, or 0.
int readAll(int fd, std::size_t sizeHint, std::size_t limit, std::string& bytes) {
    bytes.assign(std::clamp<std::size_t>(sizeHint, 1, limit), '\0');
    std::size_t got = 0;
    while (got < limit) {
        if (got == bytes.size()) {
            bytes.resize(std::min(bytes.size() * 2, limit));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return 0;
}

// Writes all the bytes from the offset on; the errno of a failure, or 0.
int writeAll(int fd, std::string_view bytes, off_t offset = 0) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return 0;
}

// Writes the whole content from the start, cuts what lies beyond it and waits until it is
// on disk; the errno of a failure, or 0.
int overwrite(int fd, std::string_view bytes) {
    if (const int err = writeAll(fd, bytes); err != 0) {
        return err;
    }
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0) {
        return errno;
    }
    return 0;
}

std::string randomLetters() {
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string letters(kRandomLetters, ' ');
    for (char& c : letters) {
        c = kLetters[pick(random)];
    }
    return letters;
}

// A new file that no one else can have opened: the prefix and random letters, made with
// O_EXCL. The errno is kept in `error` when no file could be made.
struct NewFile {
    std::string path;
    int fd = -1;
    int error = 0;
};

NewFile createExclusively(const std::string& prefix, mode_t mode) {
    NewFile made;
    for (int attempt = 0; attempt < 100; ++attempt) {
        made.path = prefix + randomLetters();
        made.fd =
            ::open(made.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (made.fd >= 0 || errno != EEXIST) {
            break;
        }
    }
    made.error = made.fd >= 0 ? 0 : errno;
    return made;
}

// The temporary copy of a save, removed unless it took the file's place.
class temporaryCopy {
public:
    temporaryCopy(const fs::path& path, mode_t mode)
        : made_(createExclusively(path.string() + std::string(kTemporaryMark), mode)),
          fd_(made_.fd) {}
    ~temporaryCopy() { discard(); }
    temporaryCopy(const temporaryCopy&) = delete;
    temporaryCopy& operator=(const temporaryCopy&) = delete;

    int error() const { return made_.error; }
    int fd() const { return fd_.get(); }
    int close() { return fd_.close(); }
    void discard() {
        if (!committed_ && made_.fd >= 0) {
            fd_.close();
            ::unlink(made_.path.c_str());
            committed_ = true; // nothing left to remove
        }
    }
    // Puts the copy in the file's place; the errno of a failure, or 0.
    int commit(const fs::path& path) {
        if (::rename(made_.path.c_str(), path.c_str()) != 0) {
            const int err = errno;
            discard();
            return err;
        }
        committed_ = true;
        return 0;
    }

private:
    NewFile made_;
    Descriptor fd_;
    bool committed_ = false;
};

// Temporary copies that a save which crashed left beside the file.
void removeStaleCopies(const fs::path& path) {
    const std::string name = path.filename().string() + std::string(kTemporaryMark);
    std::error_code ec;
    for (fs::directory_iterator it(path.parent_path().empty() ? "." : path.parent_path(), ec);
         !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (entry.size() == name.size() + kRandomLetters && entry.starts_with(name) &&
            entry.find_first_not_of(kLetters, name.size()) == std::string::npos &&
            it->is_regular_file(ec) && !it->is_symlink(ec)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

// Where no copy can be made beside the file (the folder takes no new file), or the copy
// could not have the file's owner and group: the file itself is overwritten, which keeps
// them. Its old content goes to a backup in the temporary folder first and is put back
// if the new content cannot be written.
std::optional<Failure> writeInPlace(const fs::path& path, std::string_view bytes, LinkAtName link) {
    const int noFollow = link == LinkAtName::Replace ? O_NOFOLLOW : 0;
    Descriptor fd(::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | noFollow));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0) {
        return systemFailure(errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return ownFailure("it is not a regular file");
    }
    std::string old;
    if (const int err = readAll(fd.get(), static_cast<std::size_t>(st.st_size) + 1,
                                static_cast<std::size_t>(-1) / 2, old);
        err != 0) {
        return systemFailure(err);
    }
    std::error_code ec;
    const std::string prefix =
        (fs::temp_directory_path(ec) /
         ("payvanta-backup-" + path.filename().string().substr(0, kBackupNameBytes) + "-"))
            .string();
    NewFile backup = createExclusively(prefix, 0600);
    Descriptor backupFd(backup.fd);
    if (!backupFd) {
        return systemFailure(backup.error, "no backup of the old content could be made: ");
    }
    int backupErr = overwrite(backupFd.get(), old);
    const int backupCloseErr = backupFd.close();
    backupErr = backupErr != 0 ? backupErr : backupCloseErr;
    if (backupErr != 0) {
        ::unlink(backup.path.c_str());
        return systemFailure(backupErr, "no backup of the old content could be made: ");
    }
    const int err = overwrite(fd.get(), bytes);
    if (err == 0 || overwrite(fd.get(), old) == 0) {
        ::unlink(backup.path.c_str());
        return err == 0 ? std::nullopt : std::optional(systemFailure(err));
    }
    return systemFailure(err, {}, "; the old content is kept in " + backup.path);
}

bool folderTakesNoNewFile(int err) {
    return err == EACCES || err == EPERM || err == EROFS || err == ENAMETOOLONG;
}

} // namespace

Result<std::string> readSmallTextFile(const fs::path& path, std::size_t maxBytes) {
    const auto fail = [&path](Failure failure) {
        failure.path = path.string();
        return failure;
    };
    // Not blocking: a FIFO opens at once, without waiting for a writer, and is refused.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0) {
        // A socket in the file's place cannot be opened at all.
        return fail(errno == ENXIO ? ownFailure("it is not a regular file") : systemFailure(errno));
    }
    if (S_ISDIR(st.st_mode)) {
        return fail(ownFailure("it is a folder, not a file"));
    }
    if (!S_ISREG(st.st_mode)) {
        return fail(ownFailure("it is not a regular file"));
    }
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        return fail(ownFailure(tooLarge(maxBytes)));
    }
    // Room for the size the file gives and one byte more, so that a file that grew
    // meanwhile still shows. Never more than maxBytes + 1 bytes are read.
    std::string bytes;
    if (const int err =
            readAll(fd.get(), static_cast<std::size_t>(st.st_size) + 1, maxBytes + 1, bytes);
        err != 0) {
        return fail(systemFailure(err));
    }
    if (bytes.size() > maxBytes) {
        return fail(ownFailure(tooLarge(maxBytes)));
    }
    if (looksBinary(bytes)) {
        return fail(ownFailure("it is not a text file"));
    }
    return bytes;
}

namespace {

// The save of replaceFileAtomically: the failure, without its path, when it fails.
std::optional<Failure> replaceFile(const fs::path& linkOrPath, std::string_view bytes,
                                   LinkAtName link) {
    std::error_code ec;
    fs::path path = linkOrPath;
    if (link == LinkAtName::Follow && fs::is_symlink(fs::symlink_status(linkOrPath, ec))) {
        auto target = fs::canonical(linkOrPath, ec);
        if (!ec) {
            path = std::move(target);
        }
    }
    // Replacing a link, the link's own entry is looked at, never what it points at: it is
    // no old file whose permissions and owner the new one would keep.
    struct stat old {};
    const bool there = (link == LinkAtName::Replace ? ::lstat(path.c_str(), &old)
                                                    : ::stat(path.c_str(), &old)) == 0;
    if (there && S_ISDIR(old.st_mode)) {
        return ownFailure("it is a folder, not a file");
    }
    if (there && !S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode)) {
        return ownFailure("it is not a regular file");
    }
    const bool exists = there && S_ISREG(old.st_mode);
    removeStaleCopies(path);
    // The copy has the old file's permissions from the start (the umask can only narrow
    // them), so that it never shows the content to more people than the file did.
    const mode_t mode = exists ? (old.st_mode & 07777) : 0666;
    temporaryCopy copy(path, mode & 0777);
    if (copy.fd() < 0) {
        if (exists && folderTakesNoNewFile(copy.error())) {
            return writeInPlace(path, bytes, link);
        }
        return systemFailure(copy.error());
    }
    if (exists) {
        // Colleagues who share the file through its group keep it; where the system lets
        // no copy have its owner and group, the file is written in place instead.
        if (::fchown(copy.fd(), old.st_uid, old.st_gid) != 0) {
            const int err = errno;
            copy.discard();
            return err == EPERM ? writeInPlace(path, bytes, link) : systemFailure(err);
        }
        // Exactly the old permissions: the umask narrowed them, a change of owner may
        // have cleared the set-id bits.
        if (::fchmod(copy.fd(), mode) != 0) {
            return systemFailure(errno);
        }
    }
    if (const int err = overwrite(copy.fd(), bytes); err != 0) {
        return systemFailure(err);
    }
    if (const int err = copy.close(); err != 0) {
        return systemFailure(err);
    }
    if (const int err = copy.commit(path); err != 0) {
        return systemFailure(err);
    }
    return std::nullopt;
}

} // namespace

std::optional<Failure> replaceFileAtomically(const fs::path& path, std::string_view bytes,
                                             LinkAtName link) {
    auto failure = replaceFile(path, bytes, link);
    if (failure) {
        failure->path = path.string();
    }
    return failure;
}

} // namespace payvanta::files
