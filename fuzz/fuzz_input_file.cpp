#include "fuzz_input_file.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace payvanta::fuzz {

const std::filesystem::path& runFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "payvanta-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(runFolder(), ignored);
        });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

std::filesystem::path writeInput(const char* name, const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path path = runFolder() / name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace payvanta::fuzz
