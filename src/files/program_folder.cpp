#include "program_folder.h"

#include "file_naming.h"
#include "reference_tables.h"

#include <array>
#include <cstdio>
#include <optional>
#include <random>
#include <string_view>
#include <system_error>

namespace payvanta::files {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 5> kDataFiles = {
    kDefaultFileName, kMotorCatalogueFile, kUtilityRatesFile, kShoeCostsFile, kTipCostsFile};
constexpr std::string_view kExamplesFolder = "examples";

bool holdsDefaultFile(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(folder / kDefaultFileName, ec);
}

bool isThere(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// Permission bits do not tell: a read-only mount, an access list or being root all
// change the answer. Creating a file does.
bool isWritable(const fs::path& folder) {
    const fs::path probe =
        folder / (".payvanta-write-test-" + std::to_string(std::random_device{}()));
    std::FILE* f = std::fopen(probe.c_str(), "wx");
    if (f == nullptr) {
        return false;
    }
    std::fclose(f);
    std::error_code ec;
    fs::remove(probe, ec);
    return true;
}

// Copies one file unless something of its name is there already; the copy may be edited
// even when the installed file may not.
std::optional<Failure> copyIfMissing(const fs::path& from, const fs::path& to) {
    if (isThere(to)) {
        return std::nullopt;
    }
    std::error_code ec;
    fs::copy_file(from, to, ec);
    if (ec == std::errc::file_exists) {
        return std::nullopt; // made meanwhile by another copy of the program
    }
    if (ec) {
        // The file at fault: the one to be copied when it cannot be had, else the copy.
        std::error_code ignored;
        return Failure{(fs::is_regular_file(from, ignored) ? to : from).string(), ec.message()};
    }
    fs::permissions(to, fs::perms::owner_write, fs::perm_options::add, ec);
    return std::nullopt;
}

std::optional<Failure> makeFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) {
        return Failure{folder.string(), ec ? ec.message() : "a file of that name is in the way"};
    }
    return std::nullopt;
}

// The examples come with the folder: once the user has an examples folder, what they
// removed from it stays removed.
std::optional<Failure> copyExamplesIfMissing(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (isThere(to) || !fs::is_directory(from, ec)) {
        return std::nullopt;
    }
    if (auto failure = makeFolder(to)) {
        return failure;
    }
    // Stepped with the error-code increment: a range-for would throw when reading the
    // folder fails half-way, and the copy is part of the first start.
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) {
            if (auto failure = copyIfMissing(it->path(), to / it->path().filename())) {
                return failure;
            }
        }
    }
    if (ec) {
        return Failure{from.string(), ec.message()};
    }
    return std::nullopt;
}

} // namespace

Result<fs::path> prepareProgramFolder(const ProgramFolderPlaces& places) {
    const bool ownHoldsData = holdsDefaultFile(places.programsFolder);
    if (ownHoldsData && isWritable(places.programsFolder)) {
        return places.programsFolder;
    }
    const fs::path& source = ownHoldsData ? places.programsFolder : places.installedData;
    const fs::path& folder = places.userFolder;
    if (auto failure = makeFolder(folder)) {
        return *failure;
    }
    for (const std::string_view name : kDataFiles) {
        if (auto failure = copyIfMissing(source / name, folder / name)) {
            return *failure;
        }
    }
    if (auto failure = copyExamplesIfMissing(source / kExamplesFolder, folder / kExamplesFolder)) {
        return *failure;
    }
    return folder;
}

fs::path readingProgramFolder(const ProgramFolderPlaces& places) {
    if (holdsDefaultFile(places.programsFolder)) {
        return places.programsFolder;
    }
    std::error_code ec;
    if (fs::is_directory(places.userFolder, ec)) {
        return places.userFolder;
    }
    return places.installedData;
}

} // namespace payvanta::files
