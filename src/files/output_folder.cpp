#include "output_folder.h"

#include <string>
#include <system_error>

namespace payvanta::files {

namespace fs = std::filesystem;

Result<fs::path> newFileNameIn(const fs::path& folder, std::string_view name,
                               std::string_view extension) {
    const auto failure = [&folder](const std::error_code& ec) {
        return Failure{folder.string(), ec.message(), ec.value()};
    };
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        return failure(ec);
    }
    if (!fs::is_directory(folder, ec)) {
        return failure(ec ? ec : std::make_error_code(std::errc::not_a_directory));
    }
    const std::string base(name);
    for (int n = 1;; ++n) {
        const std::string numbered = n == 1 ? base : base + " (" + std::to_string(n) + ")";
        fs::path file = folder / (numbered + std::string(extension));
        // The entry itself: a link is something there, wherever it points.
        const fs::file_status status = fs::symlink_status(file, ec);
        if (status.type() == fs::file_type::not_found) {
            return file;
        }
        if (status.type() == fs::file_type::none) {
            return failure(ec); // the folder cannot be looked into, or the name is too long
        }
    }
}

} // namespace payvanta::files
