#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace payvanta::test {

// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

void writeBytes(const std::filesystem::path& path, std::string_view bytes);
std::string readBytes(const std::filesystem::path& path);
// The files and folders under a folder, by their path relative to it.
std::set<std::string> filesIn(const std::filesystem::path& folder);

// Copies the data files (default file and tables) of a data folder into the folder.
void copyShippedDataFrom(const std::filesystem::path& dataFolder,
                         const std::filesystem::path& folder);

// Copies the shipped data files into the folder. The data folder is the one the test
// program was built with, so this exists only where PAYVANTA_DATA_DIR is defined.
#ifdef PAYVANTA_DATA_DIR
inline void copyShippedData(const std::filesystem::path& folder) {
    copyShippedDataFrom(PAYVANTA_DATA_DIR, folder);
}
#endif

} // namespace payvanta::test
