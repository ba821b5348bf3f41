// Prints projects to PDF with payvanta-calc in each print font and reads the word boxes
// back with pdftotext -bbox: no two words of a page may overlap. The projects are the ones
// named and some drawn at random from a seed, with long decimals in every number field
// that takes them. Prints a table of the overlaps by font and page, the first few words
// that overlap, and exits 1 if there is any.
//
//   print_overlap_check --calc PROGRAM --out FOLDER [--fonts all|"Arial:12,..."]
//                       [--random N] [--seed S] PROJECT.QVR...

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Font {
    std::string name;
    int size;
};

// The Printer-Fonts menu.
const std::vector<Font> kAllFonts{
    {"MS Sans Serif", 8},    {"Arial", 7},           {"Arial", 8},
    {"Arial", 10},           {"Arial", 11},          {"Arial", 12},
    {"Times New Roman", 7},  {"Times New Roman", 8}, {"Times New Roman", 10},
    {"Times New Roman", 11}, {"Times New Roman", 12}};

// The seven pages of Print All, then the business case.
// Print All's pages, then the proposal's own: the cover, the business case, the appendix.
const std::array<const char*, 10> kPages{
    "Savings", "EnergySavings", "Maintenance", "Inventory",    "Hoist",
    "Trolley", "Bridge",        "Cover",       "BusinessCase", "ProjectData"};

constexpr double kTolerance = 0.5; // points

// A number in [low, high) as a user might type it: up to 15 significant digits, no
// trailing zeros. The draws are mt19937's own numbers, the same with every library.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : engine_(seed) {}

    double unit() { return static_cast<double>(engine_()) / 4294967296.0; }
    long whole(long low, long high) {
        return low + static_cast<long>(unit() * static_cast<double>(high - low + 1));
    }
    std::string decimal(double low, double high) {
        const double value = low + unit() * (high - low);
        const int before = value >= 1 ? static_cast<int>(std::floor(std::log10(value))) + 1 : 1;
        return trimmed(value, std::max(1, 15 - before));
    }
    static std::string trimmed(double value, int decimals) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        std::string out(text);
        while (out.back() == '0') {
            out.pop_back();
        }
        if (out.back() == '.') {
            out.pop_back();
        }
        return out;
    }

private:
    std::mt19937 engine_;
};

// printf's %.15G, as the program writes a computed step.
std::string plain(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15G", value);
    return text;
}

// A valid project with decimals in every number field that takes them: amounts, rates,
// currents, speeds, distances and steps; the whole-number fields (counts, volts, lives)
// with large values; list fields as the examples have them.
std::string randomProject(std::uint32_t seed) {
    Draw d(seed);
    std::ostringstream out;
    const auto set = [&out](const std::string& key, const std::string& value) {
        out << key << " = " << value << "\n";
    };
    set("CustName", "Random Works " + std::to_string(seed));
    set("ProjName", "Crane with decimals, seed " + std::to_string(seed));
    set("cmbStateKw", "IN");
    set("KwHrRate", d.decimal(0.02, 0.4));
    set("NumLifts", std::to_string(d.whole(1, 400)));
    set("MaintPerHour", d.decimal(20, 150));
    set("ContactElec", std::to_string(d.whole(500, 2000000)));
    set("ContactMech", d.decimal(100000, 20000000));
    set("HoistNemaSize", "6");
    set("ContactHoist", d.decimal(0.05, 3000));
    set("TrolleyNemaSize", "4");
    set("ContactTrolley", d.decimal(0.05, 3000));
    set("BridgeNemaSize", "5");
    set("ContactBridge", d.decimal(0.05, 3000));
    set("BrakeSize", "23");
    set("BrakeShoe", d.decimal(0.05, 3000));
    set("ShoeLife", std::to_string(d.whole(1, 999)));
    const std::array<std::pair<const char*, const char*>, 3> motions{
        {{"Hoist", "Frame 816 Motor 135HP 1 Hour Rating"},
         {"Trolley", "Frame 810 Motor 35HP 1 Hour Rating"},
         {"Bridge", "Frame 814 Motor 75HP 1 Hour Rating"}}};
    for (const auto& [motion, motor] : motions) {
        const std::string m(motion);
        set(m + "Motor", motor);
        set("NumMotor" + m, std::to_string(d.whole(1, 4)));
        set("MotorVolts" + m, std::to_string(d.whole(200, 600)));
        set("MotorFLCAmps" + m, d.decimal(5, 999));
        const std::string speed = d.decimal(10, 300);
        std::array<std::string, 5> steps;
        double used = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            steps[i] = d.decimal(0.25, 5);
            used += std::stod(steps[i]);
        }
        // A distance that leaves a fifth step of at least a second.
        const double least = (used + 1) * std::stod(speed) / 60;
        const std::string distance =
            d.decimal(std::min(least + 1, 9000.0), std::min(least * 4 + 50, 9999.0));
        double fifth = std::stod(plain(std::stod(distance) / std::stod(speed) * 60.0));
        for (std::size_t i = 0; i < 4; ++i) {
            fifth = std::stod(plain(fifth - std::stod(steps[i])));
        }
        steps[4] = plain(fifth);
        set("HoistFPM" + m, speed);
        set("LiftDistance" + m, distance);
        for (std::size_t i = 0; i < 5; ++i) {
            set("DutyCycle" + m + "(" + std::to_string(i + 1) + ")", steps[i]);
        }
    }
    set("PrintFontName", "MS Sans Serif");
    set("PrintFontSize", "8");
    set("DriveCost", d.decimal(1000, 900000));
    set("InstallationCost", d.decimal(100, 90000));
    set("EngineeringCost", d.decimal(100, 90000));
    set("Rebate", d.decimal(0, 5000));
    set("ProjectLife", std::to_string(d.whole(1, 40)));
    set("DiscountRate", d.decimal(0.5, 15));
    set("Co2Factor", d.decimal(0.1, 2));
    set("Co2Source", "Utility statement");
    return out.str();
}

// The project with its print-font settings changed to the font's.
std::string withFont(const std::string& project, const Font& font) {
    std::istringstream in(project);
    std::ostringstream out;
    std::string line;
    while (std::getline(in, line)) {
        // The line keeps its end, CR LF or LF.
        const std::string end = !line.empty() && line.back() == '\r' ? "\r\n" : "\n";
        if (line.rfind("PrintFontName", 0) == 0) {
            line = "PrintFontName = " + font.name;
        } else if (line.rfind("PrintFontSize", 0) == 0) {
            line = "PrintFontSize = " + std::to_string(font.size);
        } else if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        out << line << end;
    }
    return out.str();
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string shellWord(const std::string& text) {
    std::string out = "'";
    for (const char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

std::string output(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            out.append(buffer, n);
        }
        pclose(pipe);
    }
    return out;
}

struct Word {
    double x0, y0, x1, y1;
    std::string text;
};

// The number of the attribute in the tag: xMin="72.000000".
double attribute(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(name + "=\"");
    return at == std::string::npos ? 0 : std::strtod(tag.c_str() + at + name.size() + 2, nullptr);
}

// The words of each page of pdftotext -bbox: <word xMin=".." yMin=".." xMax=".." yMax="..">.
std::vector<std::vector<Word>> wordsOf(const fs::path& pdf) {
    const std::string boxes = output("pdftotext -bbox " + shellWord(pdf.string()) + " - 2>&1");
    std::vector<std::vector<Word>> pages;
    std::size_t at = 0;
    while ((at = boxes.find('<', at)) != std::string::npos) {
        const std::size_t close = boxes.find('>', at);
        if (close == std::string::npos) {
            break;
        }
        const std::string tag = boxes.substr(at, close - at);
        if (tag.starts_with("<page ")) {
            pages.emplace_back();
        } else if (tag.starts_with("<word ") && !pages.empty()) {
            const std::size_t end = boxes.find("</word>", close);
            pages.back().push_back({attribute(tag, "xMin"), attribute(tag, "yMin"),
                                    attribute(tag, "xMax"), attribute(tag, "yMax"),
                                    boxes.substr(close + 1, end - close - 1)});
        }
        at = close;
    }
    return pages;
}

// The pairs of words whose boxes share more than the tolerance across and down.
std::vector<std::pair<Word, Word>> overlaps(const std::vector<Word>& words) {
    std::vector<std::pair<Word, Word>> found;
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (std::size_t j = i + 1; j < words.size(); ++j) {
            const Word& a = words[i];
            const Word& b = words[j];
            const double across = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
            const double down = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
            if (across > kTolerance && down > kTolerance) {
                found.emplace_back(a, b);
            }
        }
    }
    return found;
}

std::vector<Font> fontsOf(const std::string& list) {
    if (list == "all") {
        return kAllFonts;
    }
    std::vector<Font> fonts;
    std::istringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto colon = item.rfind(':');
        fonts.push_back({item.substr(0, colon), std::stoi(item.substr(colon + 1))});
    }
    return fonts;
}

std::string describe(const Word& w) {
    char box[96];
    std::snprintf(box, sizeof box, " [%.1f %.1f %.1f %.1f]", w.x0, w.y0, w.x1, w.y1);
    return "\"" + w.text + "\"" + box;
}

} // namespace

int main(int argc, char** argv) {
    std::string calc;
    fs::path out;
    std::string fontList = "all";
    int randomCount = 0;
    std::uint32_t seed = 1;
    std::vector<fs::path> named;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--calc") {
            calc = next();
        } else if (a == "--out") {
            out = next();
        } else if (a == "--fonts") {
            fontList = next();
        } else if (a == "--random") {
            randomCount = std::stoi(next());
        } else if (a == "--seed") {
            seed = static_cast<std::uint32_t>(std::stoul(next()));
        } else {
            named.emplace_back(a);
        }
    }
    if (calc.empty() || out.empty()) {
        std::cerr << "usage: print_overlap_check --calc PROGRAM --out FOLDER [--fonts all|LIST] "
                     "[--random N] [--seed S] PROJECT.QVR...\n";
        return 2;
    }
    std::vector<std::pair<std::string, std::string>> projects; // file stem, text
    for (const fs::path& p : named) {
        projects.emplace_back(p.stem().string(), readFile(p));
    }
    for (int i = 0; i < randomCount; ++i) {
        const std::uint32_t s = seed + static_cast<std::uint32_t>(i);
        projects.emplace_back("random-" + std::to_string(s), randomProject(s));
    }
    fs::remove_all(out);
    const std::vector<Font> fonts = fontsOf(fontList);
    std::map<std::pair<std::size_t, std::size_t>, int> counts; // (font, page)
    std::vector<std::string> details;
    int total = 0;
    for (std::size_t f = 0; f < fonts.size(); ++f) {
        const fs::path folder = out / ("font-" + std::to_string(f));
        fs::create_directories(folder / "all");
        fs::create_directories(folder / "proposal");
        std::string files;
        std::string said; // what payvanta-calc says, shown only if it fails
        for (const auto& [stem, text] : projects) {
            const fs::path file = folder / (stem + ".QVR");
            std::ofstream(file, std::ios::binary) << withFont(text, fonts[f]);
            files += " " + shellWord(file.string());
        }
        for (const auto& [dir, report] :
             {std::pair<const char*, const char*>{"all", ""}, {"proposal", "--proposal "}}) {
            const std::string command = shellWord(calc) + " " + report + "--pdf-dir " +
                                        shellWord((folder / dir).string()) + files + " 2>&1";
            said += output(command);
        }
        for (const auto& [stem, text] : projects) {
            const auto all = wordsOf(folder / "all" / (stem + ".pdf"));
            const auto proposal = wordsOf(folder / "proposal" / (stem + ".pdf"));
            if (all.size() != 7 || proposal.size() < 11) {
                std::cerr << fonts[f].name << " " << fonts[f].size << ", " << stem
                          << ": the PDF files do not hold seven pages and a proposal\n"
                          << said;
                return 1;
            }
            // Each sheet with the column it counts in: Print All's pages alone and with the
            // proposal's footer, and the appendix's sheets as one.
            std::vector<std::pair<std::size_t, const std::vector<Word>*>> sheets;
            for (std::size_t p = 0; p < all.size(); ++p) {
                sheets.emplace_back(p, &all[p]);
                sheets.emplace_back(p, &proposal[p + 2]);
            }
            sheets.emplace_back(7, &proposal[0]);
            sheets.emplace_back(8, &proposal[1]);
            for (std::size_t p = 9; p < proposal.size(); ++p) {
                sheets.emplace_back(9, &proposal[p]);
            }
            for (const auto& [page, words] : sheets) {
                const auto found = overlaps(*words);
                counts[{f, page}] += static_cast<int>(found.size());
                total += static_cast<int>(found.size());
                for (const auto& [a, b] : found) {
                    if (details.size() < 40) {
                        details.push_back(fonts[f].name + " " + std::to_string(fonts[f].size) +
                                          ", " + stem + ", " + kPages[page] + ": " + describe(a) +
                                          " and " + describe(b));
                    }
                }
            }
        }
    }
    std::printf("%-20s", "Overlapping words");
    for (const char* page : kPages) {
        std::printf(" %13s", page);
    }
    std::printf("\n");
    for (std::size_t f = 0; f < fonts.size(); ++f) {
        std::printf("%-20s", (fonts[f].name + " " + std::to_string(fonts[f].size)).c_str());
        for (std::size_t page = 0; page < kPages.size(); ++page) {
            std::printf(" %13d", counts[{f, page}]);
        }
        std::printf("\n");
    }
    std::printf("%zu fonts, %zu projects: %d overlapping pairs of words\n", fonts.size(),
                projects.size(), total);
    for (const std::string& d : details) {
        std::printf("  %s\n", d.c_str());
    }
    return total == 0 ? 0 : 1;
}
