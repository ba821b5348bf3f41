#include "calc_options.h"
#include "calc_run.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace {

// The folder of this program: where the default file and the tables lie beside it.
std::filesystem::path programFolder(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        exe = std::filesystem::absolute(argv0, ec);
    }
    return exe.parent_path();
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = payvanta::cli::parseCalcOptions(args);
    if (!parsed.options) {
        std::cerr << "payvanta-calc: " << parsed.error << "\n\n" << payvanta::cli::kCalcUsage;
        return 2;
    }
    const auto& options = *parsed.options;
    if (options.help) {
        std::cout << payvanta::cli::kCalcUsage;
        return 0;
    }
    if (options.version) {
        std::cout << "payvanta-calc " << PAYVANTA_VERSION << '\n';
        return 0;
    }
    const auto folder = options.folder ? *options.folder : programFolder(argv[0]);
    return payvanta::cli::runCalc(options, folder, std::cout, std::cerr);
}
