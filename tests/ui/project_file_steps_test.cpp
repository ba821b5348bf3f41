#include "file_session.h"
#include "files/project_file_layout.h"
#include "model/number_text.h"
#include "model/print_font.h"
#include "support/example_project.h"
#include "ui/ui_texts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace payvanta;
using payvanta::test::filesIn;
using payvanta::test::readBytes;
using payvanta::test::Texts;
using payvanta::test::writeBytes;
namespace fs = std::filesystem;

namespace {

TEST(ReadKeyValueFile, reads_the_chosen_file_or_the_defaults_and_moves_the_flags) {
    // Chosen or not, the current path (none yet, or a new project keeping its name), and
    // whether the file is the user's.
    const std::tuple<bool, std::string, bool> cases[] = {
        {false, "", false},
        {false, "New.QVR", true},
        {true, "Crane.QVR", true},
        {true, "MyCustomer.ini2.QVR", false},
        {true, "Customer.ini old/Crane.QVR", false},
        {true, "customer.ini.QVR", true},
    };
    for (const auto& [chosen, path, userFile] : cases) {
        SCOPED_TRACE(path);
        test::FileSession s;
        writeBytes(s.folder / "Customer.ini", "\xEF\xBB\xBF"
                                              "CustName = Default\r\n");
        if (!path.empty()) {
            fs::create_directories((s.folder / path).parent_path());
            writeBytes(s.folder / path, "* comment\r\nCustName = Crane \xBD\r\n");
            s.model.state.CurrentFilePath = s.path(path);
        }
        s.model.state.FileChosen = chosen;
        s.model.state.keyValueTable = {{"Old", "1"}};

        ASSERT_TRUE(s.steps.ReadKeyValueFile());
        EXPECT_EQ(s.view.progressValues, (std::vector<int>{1, 4, 7, 10, 15, 25}));
        EXPECT_EQ(s.model.state.keyValueTable,
                  (KeyValueTable{{"CustName", chosen ? "Crane \u00BD" : "Default"}}));
        EXPECT_EQ(s.model.state.CurrentFilePath, s.path(path.empty() ? "Customer.ini" : path));
        EXPECT_EQ(s.model.state.FileChosen, chosen);
        EXPECT_EQ(s.model.state.UserFileOpen, userFile);
        EXPECT_TRUE(s.model.state.ProjectLoaded);
        EXPECT_EQ(s.of("message "), Texts{});
    }
}

TEST(ReadKeyValueFile, an_unreadable_file_is_reported_with_path_and_reason_and_changes_nothing) {
    for (const bool chosen : {true, false}) {
        test::FileSession s;
        fs::create_directory(s.folder / "Crane.QVR");
        s.model.state.FileChosen = chosen;
        s.model.state.CurrentFilePath = chosen ? s.path("Crane.QVR") : "";
        s.model.state.keyValueTable = {{"CustName", "Before"}};
        const RunState before = s.model.state;

        EXPECT_FALSE(s.steps.ReadKeyValueFile());

        EXPECT_EQ(s.of("message "),
                  Texts{chosen ? "The file \"" + s.path("Crane.QVR") +
                                     "\" could not be read: it is a folder, not a file."
                               : "The file \"" + s.path("Customer.ini") +
                                     "\" could not be read: No such file or directory."});
        EXPECT_EQ(s.model.state.keyValueTable, before.keyValueTable);
        EXPECT_EQ(s.model.state.CurrentFilePath, before.CurrentFilePath);
        EXPECT_EQ(s.model.state.FileChosen, chosen);
        EXPECT_FALSE(s.model.state.UserFileOpen);
        EXPECT_FALSE(s.model.state.ProjectLoaded);
    }
}

// A complete project. Each fifth step differs from the travel time the duty-cycle update
// leaves in it (hoist and trolley 30 s, bridge 50 s), so it shows which one stays.
ProjectRecord completeProject() {
    ProjectRecord r;
    test::fillCompleteProject(r);
    r.set(Field::LiftDistanceBridge, "50");
    r.set(Field::NumLifts, "1,000"); // loaded as it stands
    r.set(Field::ProjName, "\tBay 2\t");
    r.set(Field::DutyCycleHoist5, "99");
    r.set(Field::DutyCycleTrolley5, "21.5");
    r.set(Field::DutyCycleBridge5, "45");
    return r;
}

// The print-font lines given, then the other settings of the project in reverse order.
std::string projectFileReversed(const std::string& fontLines) {
    const ProjectRecord r = completeProject();
    std::string text = fontLines;
    for (auto f = allFields().rbegin() + 2; f != allFields().rend(); ++f) {
        text += std::string(fieldKey(*f)) + " = " + r.get(*f) + "\r\n";
    }
    return text;
}

// Opens the text as the chosen file in a fresh session, logging every field write
// ("set Key=value") among the window's calls.
struct LoadedProject : test::FileSession {
    explicit LoadedProject(const std::string& text) {
        writeBytes(folder / "Crane.QVR", text);
        model.record.setChangeObserver([this](Field f) {
            view.log.push_back("set " + std::string(fieldKey(f)) + "=" + model.record.get(f));
            recalcOnDuringAWrite |= model.state.RecalcEnabled;
        });
        model.state.RecalcEnabled = true; // as an earlier project left it
        EXPECT_TRUE(open(path("Crane.QVR")));
        model.record.setChangeObserver(nullptr);
    }

    bool recalcOnDuringAWrite = false;
};

TEST(LoadProjectIntoFields,
     sets_the_fields_in_record_order_each_duty_cycle_updated_before_its_steps) {
    LoadedProject p(projectFileReversed(""));
    const ProjectRecord project = completeProject();
    // What comes right after a field is set: progress, or the duty-cycle update's fifth step
    // (the whole travel time, as no step was a number yet), which the file's then replaces.
    const std::map<std::string_view, std::string> next{
        {"MaintPerHour", "progress 30"},
        {"ShoeLife", "progress 35"},
        {"LiftDistanceHoist", "set DutyCycleHoist(5)=30"},
        {"DutyCycleHoist(5)", "progress 40"},
        {"LiftDistanceTrolley", "set DutyCycleTrolley(5)=30"},
        {"DutyCycleTrolley(5)", "progress 45"},
        {"LiftDistanceBridge", "set DutyCycleBridge(5)=50"},
        {"DutyCycleBridge(5)", "progress 50"}};
    Texts expected{"progress 1",  "progress 4",  "progress 7",
                   "progress 10", "progress 15", "progress 25"};
    for (const Field f : allFields()) {
        if (f != Field::PrintFontName && f != Field::PrintFontSize) {
            expected.push_back("set " + std::string(fieldKey(f)) + "=" + project.get(f));
            if (next.contains(fieldKey(f))) {
                expected.push_back(next.at(fieldKey(f)));
            }
            EXPECT_EQ(p.model.record.get(f), project.get(f)) << fieldKey(f);
        }
    }
    Texts log = p.view.linesStartingWith({"progress 1", "progress 2", "progress 3", "progress 4",
                                          "progress 5", "progress 7", "set "});
    const auto last = std::find(log.begin(), log.end(), "progress 50");
    ASSERT_NE(last, log.end());
    const auto end = last + 1;
    EXPECT_EQ(Texts(log.begin(), end), expected);
    EXPECT_FALSE(p.recalcOnDuringAWrite);

    // The print font is checked, then one recalculation runs on the fields as loaded.
    EXPECT_EQ(p.view.checked.at("mnuFont(0)"), true);
    EXPECT_TRUE(p.model.state.RecalcEnabled);
    const std::string total = p.model.summary.lblSummaryTotal;
    p.model.RecalculateAll();
    EXPECT_EQ(total, p.model.summary.lblSummaryTotal);
    EXPECT_NE(total, "");
}

TEST(LoadProjectIntoFields,
     keeps_the_print_fonts_of_the_menu_and_makes_any_other_the_default) {
    const std::string kDefault = "mnuFont(0)";
    const std::pair<std::string, std::string> cases[] = {
        {"PrintFontName = Times New Roman\r\nPrintFontSize = 7\r\n", "mnuFont(6)"},
        {"PrintFontName = Arial\r\nPrintFontSize = 10\r\n", "mnuFont(3)"},
        {"PrintFontName = Arial\r\nPrintFontSize = big\r\n", kDefault},
        {"PrintFontName = Arial\r\nPrintFontSize = 65544\r\n", kDefault}, // 8 if it wrapped
        {"", kDefault}};
    for (const auto& [lines, item] : cases) {
        const LoadedProject p(projectFileReversed(lines));
        const auto checked = p.of("check ");
        EXPECT_EQ(std::count(checked.begin(), checked.end(), item + " on"), 1) << lines;
        EXPECT_EQ(std::count_if(checked.begin(), checked.end(),
                                [](const std::string& c) { return c.ends_with(" on"); }),
                  1);
        const auto& choice = kPrintFontChoices.at(std::stoul(item.substr(8)));
        EXPECT_EQ(p.model.record.printFontName(), choice.fontName);
        EXPECT_EQ(p.model.record.printFontSize(), choice.fontSize);
    }
}

TEST(LoadProjectIntoFields, a_file_without_settings_leaves_zero_in_every_field) {
    const LoadedProject p("* nothing but a comment\r\n");
    for (const Field f : allFields()) {
        if (f != Field::PrintFontName && f != Field::PrintFontSize) {
            EXPECT_EQ(p.model.record.get(f), "0") << fieldKey(f);
        }
    }
}

TEST(ProjectFileLocales, a_project_reads_alike_in_every_locale_and_back_as_it_was_saved) {
    const std::array locales{LocaleConventions::unitedStates(), LocaleConventions::german()};
    std::array<std::string, 2> savedBytes;
    for (std::size_t i = 0; i < locales.size(); ++i) {
        test::FileSession s(locales[i]);
        fs::copy_file(std::string(PAYVANTA_DATA_DIR) + "/examples/steel-mill-ladle-crane.QVR",
                      s.folder / "Mill.QVR");
        ASSERT_TRUE(s.open(s.path("Mill.QVR")));
        EXPECT_EQ(s.model.record.get(Field::KwHrRate), i == 0 ? "0.0824" : "0,0824");
        EXPECT_EQ(numbers::parse(s.model.summary.lblSummaryTotal, locales[i]), 149478.90);
        ASSERT_TRUE(s.steps.WriteProjectFile());
        savedBytes[i] = readBytes(s.path("Mill.QVR"));

        test::FileSession again(locales[i]);
        ASSERT_TRUE(again.open(s.path("Mill.QVR")));
        for (const Field f : allFields()) {
            EXPECT_EQ(again.model.record.get(f), s.model.record.get(f)) << fieldKey(f);
        }
    }
    EXPECT_EQ(savedBytes[1], savedBytes[0]); // whichever locale saved it
}

TEST(LoadTables, many_bad_rows_of_a_table_give_a_few_messages_and_a_count) {
    test::FileSession s;
    test::copyShippedData(s.folder.path());
    std::string rows;
    for (int i = 0; i < 1000; ++i) {
        rows += "2;50\r\n";
    }
    writeBytes(s.folder / "TipCosts.ini", rows);
    s.steps.loadTables();
    const Texts messages = s.of("message ");
    ASSERT_EQ(messages.size(), files::kRowProblemsTold + 1);
    EXPECT_EQ(messages[4], "Line 5 of TipCosts.ini has 2 fields where 5 fields are needed; the "
                           "row is left out.");
    EXPECT_EQ(messages[5], "TipCosts.ini has 995 more rows that cannot be read; they are left "
                           "out too.");
}

constexpr std::string_view kDefaults = "CustName = Default\r\n";

// A complete project whose current file is the default file, as after starting a new
// project without a name.
class WriteProjectFileTest : public ::testing::Test, public test::FileSession {
protected:
    WriteProjectFileTest() {
        writeBytes(folder / "Customer.ini", kDefaults);
        test::fillCompleteProject(model.record);
        model.state.CurrentFilePath = path("Customer.ini");
    }

    std::string savedBytes() const {
        return files::encodeProjectFile(files::projectFileText(model.record, model.locale()));
    }
};

TEST_F(WriteProjectFileTest, the_default_file_asks_for_a_name_once_then_saves_there) {
    view.textAnswers = {"Crane 7"};
    EXPECT_TRUE(steps.WriteProjectFile());
    model.record.set(Field::CustName, "Second save");
    EXPECT_TRUE(steps.WriteProjectFile());

    EXPECT_EQ(of("input "), Texts{"Please enter the name of the new file. "
                                  "NOTE: The .QVR file extention will be "
                                  "added for you."});
    EXPECT_EQ(of("text lblFileName="), Texts{path("Crane 7.QVR")});
    EXPECT_EQ(readBytes(path("Crane 7.QVR")), savedBytes());
    EXPECT_EQ(readBytes(path("Customer.ini")), kDefaults);
    EXPECT_EQ(filesIn(folder.path()), (std::set<std::string>{"Crane 7.QVR", "Customer.ini"}));
    EXPECT_EQ(model.state.CurrentFilePath, path("Crane 7.QVR"));
    EXPECT_TRUE(model.state.UserFileOpen);
    EXPECT_TRUE(model.state.ProjectLoaded);
    EXPECT_EQ(of("message "), Texts{});
}

TEST_F(WriteProjectFileTest, no_name_or_a_refused_one_writes_nothing_and_keeps_the_default_file) {
    const std::optional<std::string> answers[] = {
        std::nullopt,  "",        "sub/Crane", "sub/../Crane",
        "sub\\Crane",  "C:Crane", "Crane*",    "Crane?",
        "Crane \"7\"", "<Crane>", "Crane|7",   "Crane\t7",
        "Crane\r\n7",  ".",       "..",        std::string(241, 'x')};
    fs::create_directory(folder / "sub");
    for (const auto& answer : answers) {
        view.clearLog();
        view.textAnswers = {answer};
        model.state.UserFileOpen = true;
        const bool refused = answer && !answer->empty();
        EXPECT_FALSE(steps.WriteProjectFile()) << answer.value_or("(cancelled)");
        EXPECT_EQ(of("message ").size(), refused ? 1u : 0u) << answer.value_or("(cancelled)");
        EXPECT_EQ(of("text lblFileName="), Texts{});
        EXPECT_EQ(model.state.CurrentFilePath, path("Customer.ini"));
        EXPECT_FALSE(model.state.UserFileOpen);
    }
    EXPECT_EQ(filesIn(folder.path()), (std::set<std::string>{"Customer.ini", "sub"}));
    EXPECT_EQ(readBytes(path("Customer.ini")), kDefaults);
    EXPECT_EQ(ui::texts::cannotUseName(".", *files::newFileNameProblem(".")),
              "The name \".\" cannot be used for a file: it holds nothing but dots. Please choose "
              "a name made of letters, digits and spaces.");
    // The longest name taken: the save's temporary copy beside it still has a name.
    view.textAnswers = {std::string(240, 'x')};
    EXPECT_TRUE(steps.WriteProjectFile());
}

TEST_F(WriteProjectFileTest, a_name_holding_customer_ini_is_asked_for_again_at_the_next_save) {
    view.textAnswers = {"Customer.ini", "Crane"};
    EXPECT_TRUE(steps.WriteProjectFile());
    EXPECT_EQ(readBytes(path("Customer.ini.QVR")), savedBytes());
    EXPECT_TRUE(steps.WriteProjectFile());
    EXPECT_EQ(of("input ").size(), 2u);
    EXPECT_EQ(readBytes(path("Crane.QVR")), savedBytes());
    EXPECT_EQ(model.state.CurrentFilePath, path("Crane.QVR"));
    EXPECT_EQ(readBytes(path("Customer.ini")), kDefaults);
}

TEST_F(WriteProjectFileTest, a_failed_write_is_reported_and_restores_path_and_flags) {
    writeBytes(folder / "plain", "a file, not a folder");
    const std::string failing = path("plain/Crane.QVR");
    model.state.CurrentFilePath = failing;
    model.state.FileChosen = true;
    EXPECT_FALSE(steps.WriteProjectFile());
    EXPECT_EQ(of("message "), Texts{"The file \"" + failing +
                                    "\" could not be saved: Not a directory."
                                    " Nothing was written; your work is "
                                    "still open."});
    EXPECT_EQ(model.state.CurrentFilePath, failing);
    EXPECT_FALSE(model.state.UserFileOpen);
    EXPECT_FALSE(model.state.ProjectLoaded);
    EXPECT_TRUE(model.state.FileChosen);

    // Under a new name, the default file is current and shown again.
    view.clearLog();
    fs::create_directory(folder / "Crane.QVR");
    model.state.CurrentFilePath = path("Customer.ini");
    view.textAnswers = {"Crane"};
    EXPECT_FALSE(steps.WriteProjectFile());
    EXPECT_EQ(of("text lblFileName="), (Texts{path("Crane.QVR"), path("Customer.ini")}));
    EXPECT_EQ(model.state.CurrentFilePath, path("Customer.ini"));
    EXPECT_FALSE(model.state.UserFileOpen);
    EXPECT_FALSE(model.state.ProjectLoaded);
    EXPECT_EQ(filesIn(folder.path()),
              (std::set<std::string>{"Crane.QVR", "Customer.ini", "plain"}));
}

TEST(ProjectFileRoundTrip, every_example_project_opens_and_saves_back_byte_identical) {
    int seen = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(PAYVANTA_DATA_DIR) / "examples")) {
        if (entry.path().extension() != ".QVR") {
            continue;
        }
        ++seen;
        test::FileSession s;
        const std::string copy = s.path(entry.path().filename().string());
        fs::copy_file(entry.path(), copy);
        ASSERT_TRUE(s.open(copy));
        ASSERT_TRUE(s.steps.WriteProjectFile());
        EXPECT_EQ(s.of("input "), Texts{});
        EXPECT_EQ(readBytes(copy), readBytes(entry.path())) << entry.path();

        // A business case entered is saved with the project and comes back with it,
        // changing none of the savings.
        s.model.record.businessCase().set(CaseInput::Rebate, "2,500.50");
        s.model.record.businessCase().set(CaseInput::ProjectLife, "12");
        ASSERT_TRUE(s.steps.WriteProjectFile());
        test::FileSession again;
        ASSERT_TRUE(again.open(copy));
        EXPECT_EQ(again.model.record.businessCase(), s.model.record.businessCase());
        EXPECT_EQ(again.model.summary.lblSummaryTotal, s.model.summary.lblSummaryTotal);
    }
    EXPECT_GE(seen, 3);
}

} // namespace
