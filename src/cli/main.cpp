#include "calc_options.h"
#include "calc_run.h"
#include "documents_folder.h"
#include "files/program_folder.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace {

// The folder of this program: where the default file and the tables lie beside it.
std::filesystem::path programsFolder(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        exe = std::filesystem::absolute(argv0, ec);
    }
    return exe.parent_path();
}

// Installed, this program has no data beside it. It only reads, so it never makes the
// user's folder: it reads what the desktop program made, or the installed data.
std::filesystem::path defaultProgramFolder(const char* argv0) {
    const auto own = programsFolder(argv0);
    return payvanta::files::readingProgramFolder(
        {own, (own / PAYVANTA_DATA_FROM_PROGRAMS).lexically_normal(),
         payvanta::cli::documentsFolder() / "Payvanta"});
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
    const auto folder = options.folder ? *options.folder : defaultProgramFolder(argv[0]);
    return payvanta::cli::runCalc(options, folder, std::cout, std::cerr);
}
