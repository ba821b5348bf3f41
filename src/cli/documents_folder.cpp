#include "documents_folder.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace payvanta::cli {

namespace fs = std::filesystem;

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

} // namespace

fs::path documentsFolder() {
    const std::string home = environment("HOME");
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty()) {
        config = home + "/.config";
    }
    // Lines such as XDG_DOCUMENTS_DIR="$HOME/Documents"; the last one counts.
    const std::string key = "XDG_DOCUMENTS_DIR=";
    std::string found;
    std::ifstream in(config + "/user-dirs.dirs");
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with(key)) {
            continue;
        }
        std::string value = line.substr(key.size());
        if (value.size() > 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        found = value.starts_with("$HOME") ? home + value.substr(5) : value;
        if (found.size() > 1 && found.back() == '/') {
            found.pop_back();
        }
    }
    return found.empty() ? fs::path(home) / "Documents" : fs::path(found);
}

} // namespace payvanta::cli
