#pragma once

// A program folder for the benchmarks: a fresh temporary folder holding the shipped
// default file, the four tables and one example project, removed when the object goes.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace payvanta::bench {

class BenchFolder {
public:
    explicit BenchFolder(const std::filesystem::path& dataFolder) {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "payvanta-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary folder");
        }
        path_ = pattern;
        for (const char* name :
             {"Customer.ini", "MillMoto.ini", "UtilRate.ini", "ShoeCost.ini", "TipCosts.ini"}) {
            fs::copy_file(dataFolder / name, path_ / name);
        }
        project_ = path_ / "steel-mill-ladle-crane.QVR";
        fs::copy_file(dataFolder / "examples" / "steel-mill-ladle-crane.QVR", project_);
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The steel-mill ladle crane example, copied in.
    const std::filesystem::path& project() const { return project_; }

private:
    std::filesystem::path path_;
    std::filesystem::path project_;
};

} // namespace payvanta::bench
