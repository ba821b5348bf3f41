#include "text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define PAYVANTA_HAVE_FSYNC 1
#endif

namespace payvanta::files {

namespace fs = std::filesystem;

namespace {

std::string errnoReason(int err) {
    return std::strerror(err);
}

std::string sizeText(std::size_t bytes) {
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0) {
        return std::to_string(bytes / (1024 * 1024)) + " MiB";
    }
    return std::to_string(bytes) + " bytes";
}

// Text never holds NUL; a file where more than one byte in 32 is a control character
// other than the usual line and page controls is not text either.
bool looksBinary(std::string_view bytes) {
    std::size_t controls = 0;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0) {
            return true;
        }
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != '\v' && b != 0x1A) {
            ++controls;
        }
    }
    return controls * 32 > bytes.size();
}

} // namespace

std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return s;
}

Result<std::string> readSmallTextFile(const fs::path& path, std::size_t maxBytes) {
    const auto fail = [&path](std::string reason) { return Failure{path.string(), std::move(reason)}; };
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        return fail(ec && ec.value() != ENOENT ? ec.message() : errnoReason(ENOENT));
    }
    if (fs::is_directory(status)) {
        return fail("it is a folder, not a file");
    }
    if (!fs::is_regular_file(status)) {
        return fail("it is not a regular file");
    }
    const std::string tooLarge =
        "it is larger than " + sizeText(maxBytes) + ", too large for this kind of file";
    const auto size = fs::file_size(path, ec);
    if (!ec && size > maxBytes) {
        return fail(tooLarge);
    }
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        return fail(errnoReason(errno != 0 ? errno : EIO));
    }
    // Room for the size the folder entry gives and one byte more, so that a file that
    // grew meanwhile still shows; a file that reports no size (such as one of /proc) is
    // read in steps. Never more than maxBytes + 1 bytes are read.
    const std::size_t limit = maxBytes + 1;
    std::string bytes;
    std::size_t got = 0;
    std::size_t room = ec ? 4096 : std::min<std::size_t>(static_cast<std::size_t>(size) + 1, limit);
    while (true) {
        bytes.resize(std::max<std::size_t>(room, 1));
        got += std::fread(bytes.data() + got, 1, bytes.size() - got, f);
        if (got < bytes.size() || bytes.size() >= limit) {
            break;
        }
        room = std::min(bytes.size() * 2, limit);
    }
    const bool failed = std::ferror(f) != 0;
    const int readErrno = errno;
    std::fclose(f);
    if (failed) {
        return fail(errnoReason(readErrno != 0 ? readErrno : EIO));
    }
    if (got > maxBytes) {
        return fail(tooLarge);
    }
    bytes.resize(got);
    if (looksBinary(bytes)) {
        return fail("it is not a text file");
    }
    return bytes;
}

std::optional<Failure> replaceFileAtomically(const fs::path& linkOrPath,
                                             std::string_view bytes) {
    const auto fail = [&linkOrPath](std::string reason, int error = 0) {
        return Failure{linkOrPath.string(), std::move(reason), error};
    };
    std::error_code ec;
    // Through a link, the file it points at is replaced and the link stays a link.
    fs::path path = linkOrPath;
    if (fs::is_symlink(fs::symlink_status(linkOrPath, ec))) {
        auto target = fs::canonical(linkOrPath, ec);
        if (!ec) {
            path = std::move(target);
        }
    }
    if (fs::is_directory(path, ec)) {
        return fail("it is a folder, not a file");
    }
    std::random_device rd;
    fs::path temp = path;
    temp += ".tmp-" + std::to_string(rd() % 1000000u);

    errno = 0;
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (f == nullptr) {
        const int err = errno != 0 ? errno : EIO;
        return fail(errnoReason(err), err);
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    int err = errno;
#ifdef PAYVANTA_HAVE_FSYNC
    if (ok && ::fsync(fileno(f)) != 0) {
        ok = false;
        err = errno;
    }
#endif
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        fs::remove(temp, ec);
        return fail(errnoReason(err != 0 ? err : EIO), err != 0 ? err : EIO);
    }
    // A file that is replaced keeps its permissions.
    const auto oldStatus = fs::status(path, ec);
    if (!ec && fs::exists(oldStatus)) {
        fs::permissions(temp, oldStatus.permissions(), ec);
    }
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return fail(ec.message(), ec.value());
    }
    return std::nullopt;
}

} // namespace payvanta::files
