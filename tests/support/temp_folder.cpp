#include "support/temp_folder.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace payvanta::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = fs::temp_directory_path() / ("payvanta-test-" + std::to_string(rd()));
        if (fs::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

std::set<std::string> filesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        names.insert(e.path().lexically_relative(folder).string());
    }
    return names;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // Folders a test made read-only must become writable again to be removed.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::end(it); ++it) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(path_, ec);
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void copyShippedDataFrom(const fs::path& dataFolder, const fs::path& folder) {
    for (const char* name :
         {"Customer.ini", "MillMoto.ini", "UtilRate.ini", "ShoeCost.ini", "TipCosts.ini"}) {
        fs::copy_file(dataFolder / name, folder / name, fs::copy_options::overwrite_existing);
    }
}

} // namespace payvanta::test
