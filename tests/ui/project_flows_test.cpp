#include "file_session.h"
#include "files/key_value_file.h"
#include "files/project_file_layout.h"
#include "files/text_encoding.h"
#include "form_fixture.h"
#include "model/number_text.h"
#include "support/example_project.h"
#include "support/locales.h"
#include "ui/help_pages.h"
#include "ui/ui_texts.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <tuple>

using namespace payvanta;
using namespace payvanta::test;
using V = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

const std::string kNamePrompt = "Please enter the name of the new file. NOTE: The .QVR file "
                                "extention will be added for you.";
const std::string kSaveQuestion = "Would you like to save your work?";

// Of the controls that tell the states of the form apart, the ones that are on.
std::string usable(const std::map<std::string, bool>& enabled) {
    std::string names;
    for (const char* c : {"cmdNewFile", "cmdExistingFile", "cmdClose", "TabStrip1", "cmdPrintHelp",
                          "mnuPrinterFonts", "cmdSaveExcel", "mnuView", "Frame1(2)"}) {
        if (enabled.at(c)) {
            names += std::string(names.empty() ? "" : " ") + c;
        }
    }
    return names;
}

const std::string kStart = "cmdNewFile cmdExistingFile cmdClose TabStrip1 cmdPrintHelp "
                           "mnuPrinterFonts";
const std::string kProjectOpen = "cmdClose TabStrip1 cmdPrintHelp mnuPrinterFonts cmdSaveExcel "
                                 "mnuView Frame1(2)";
// The name question or the file dialog was cancelled, or the name refused.
const std::string kCancelled = "cmdNewFile cmdExistingFile cmdClose";
// Closing, while the save question is open: only the data-entry frames stay as they were.
const std::string kClosing = "Frame1(2)";

std::string savedValue(const fs::path& file, const char* key) {
    return files::lookupValue(files::parseKeyValueText(encoding::decodeFileText(readBytes(file))),
                              key);
}

std::string cannotRead(const fs::path& file, const char* reason) {
    return "The file \"" + file.string() + "\" could not be read: " + reason + ".";
}

using ProjectFlowTest = FormTest;

TEST_F(ProjectFlowTest, the_form_starts_on_the_first_help_page_with_the_frames_locked) {
    EXPECT_EQ(usable(view.enabled), kStart);
    EXPECT_TRUE(view.enabled.at("Frame1(1)")); // the help frame holds no project data
    EXPECT_FALSE(view.enabled.at("Frame1(6)"));
    EXPECT_EQ(view.frameShown, 1);
    EXPECT_EQ(view.texts["cmbHelp"], "Getting Started");
    EXPECT_EQ(view.listItems["cmbHelp"].size(), 7u);
    EXPECT_EQ(view.texts["txtHelp"], ui::helpGettingStarted());
    EXPECT_FALSE(view.progressVisible);
    const auto& s = form.model().state;
    EXPECT_FALSE(s.projectLoaded || s.userFileOpen || s.fileChosen || s.recalcEnabled);
    // Before any project a recalculation shows nothing.
    form.realTimeSummary();
    EXPECT_EQ(view.linesStartingWith({"text lblSummary", "text lblSumary"}), V{});
    // A help topic shows its page, any other index the first; a tab shows its frame.
    form.listItemPicked({"cmbHelp"}, 4);
    EXPECT_EQ(view.texts["txtHelp"], ui::helpBridge());
    form.listItemPicked({"cmbHelp"}, -1);
    EXPECT_EQ(view.texts["txtHelp"], ui::helpGettingStarted());
    form.tabClicked(6);
    EXPECT_EQ(view.frameShown, 6);
    form.command({"cmdClose"}); // nothing to save: nothing is asked
    EXPECT_EQ(view.linesStartingWith({"ask", "end"}), V{"end"});
}

TEST_F(ProjectFlowTest, cancelling_the_name_or_the_dialog_leaves_new_existing_and_close_usable) {
    // Cancelled, no name, a name that cannot be a file name (with a message), the dialog.
    for (const auto& answer : {std::optional<std::string>(), std::optional<std::string>(""),
                               std::optional<std::string>("plant/crane")}) {
        view.clearLog();
        view.textAnswers.push_back(answer);
        form.newFile();
        EXPECT_EQ(view.linesStartingWith({"input"}), V{"input " + kNamePrompt});
        EXPECT_EQ(view.messages().size(), answer && !answer->empty() ? 1u : 0u);
        EXPECT_EQ(usable(view.enabled), kCancelled);
    }
    EXPECT_NE(view.messages().at(0).find("plant/crane"), std::string::npos);
    view.fileChoices.push_back(std::nullopt);
    form.existingFile();
    EXPECT_EQ(usable(view.enabled), kCancelled);
    EXPECT_EQ(form.model().state.currentFilePath, "");
    EXPECT_FALSE(form.projectOpen());
}

TEST_F(ProjectFlowTest, a_new_file_loads_the_defaults_with_progress_and_writes_only_when_saved) {
    view.textAnswers.push_back("Mill 7");
    form.newFile();
    const std::string path = (folder / "Mill 7.QVR").string();
    const auto& s = form.model().state;
    EXPECT_EQ(s.currentFilePath, path);
    EXPECT_EQ(view.texts["lblFileName"], path);
    EXPECT_TRUE(s.userFileOpen && s.fileChosen && s.projectLoaded && s.recalcEnabled);
    EXPECT_EQ(text(Field::cmbStateKw), "PA");
    EXPECT_EQ(text(Field::ContactElec), "100000");
    EXPECT_EQ(usable(view.enabled), kProjectOpen);
    // Every command is off while loading; the progress bar shows until the beep.
    EXPECT_EQ(usable(view.enabledWhileLoading), "");
    EXPECT_EQ(view.linesStartingWith({"progress shown", "progress hidden", "beep"}),
              (V{"progress hidden", "progress shown", "beep", "progress hidden"}));
    // The tables, the default file read twice, the fields, the set-up.
    EXPECT_EQ(view.progressValues, (std::vector<int>{60, 70, 1,  4,  7,  10, 15, 25, 1,  4,
                                                     7,  10, 15, 25, 30, 35, 40, 45, 50, 100}));
    // One recalculation, after the last field.
    const auto texts = view.linesStartingWith({"text txt", "text cmb", "text lblSummaryTotal"});
    EXPECT_EQ(view.linesStartingWith({"text lblSummaryTotal"}), V{texts.back()});
    EXPECT_NE(view.texts["lblSummaryTotal"], "");

    EXPECT_FALSE(fs::exists(path));
    form.saveData(); // without asking
    EXPECT_TRUE(fs::exists(path));
}

TEST_F(ProjectFlowTest, a_missing_default_file_is_reported_and_the_form_stays_as_it_was) {
    fs::remove(folder / "Customer.ini");
    view.textAnswers.push_back("Mill 7");
    form.newFile();
    EXPECT_EQ(view.messages(), V{cannotRead(folder / "Customer.ini", "No such file or directory")});
    EXPECT_EQ(usable(view.enabled), kStart);
    EXPECT_EQ(form.model().state.currentFilePath, "");
    EXPECT_EQ(view.texts["lblFileName"], "");
    EXPECT_FALSE(form.model().state.projectLoaded);
    EXPECT_FALSE(view.progressVisible);
    // The user can put the file back and try again; the lists are filled once.
    copyShippedData(folder.path());
    view.textAnswers.push_back("Mill 7");
    form.newFile();
    EXPECT_TRUE(form.projectOpen());
    EXPECT_EQ(view.linesStartingWith({"items cmbStateKw"}), V{"items cmbStateKw 52"});
}

TEST_F(ProjectFlowTest, an_existing_file_opens_through_the_locked_dialog_and_recalculates) {
    view.fileChoices.push_back(write("Chosen.QVR"));
    form.command({"mnuOpenExistingFile"});
    EXPECT_EQ(usable(view.enabledWhenAsked), "");
    EXPECT_EQ(usable(view.enabledWhileLoading), "");
    EXPECT_EQ(usable(view.enabled), kProjectOpen);
    const auto& s = form.model().state;
    EXPECT_EQ(s.currentFilePath, (folder / "Chosen.QVR").string());
    EXPECT_EQ(view.texts["lblFileName"], s.currentFilePath);
    EXPECT_TRUE(s.userFileOpen && s.fileChosen && s.projectLoaded && s.recalcEnabled);
    EXPECT_EQ(view.texts["txtCustName"], "Example Steel");
    EXPECT_EQ(form.model().summary.lblSumaryMaintenance, "$208.50");
    // One project per run.
    form.newFile();
    form.existingFile();
    EXPECT_FALSE(form.openProjectFile((folder / "Chosen.QVR").string()));
    EXPECT_EQ(view.linesStartingWith({"input", "choose"}), V{"choose"});
}

TEST_F(ProjectFlowTest, an_unreadable_project_is_reported_and_nothing_changes) {
    fs::create_directory(folder / "Crane.QVR");
    view.fileChoices.push_back((folder / "Crane.QVR").string());
    form.existingFile();
    EXPECT_EQ(view.messages(), V{cannotRead(folder / "Crane.QVR", "it is a folder, not a file")});
    EXPECT_EQ(usable(view.enabled), kStart);
    EXPECT_EQ(form.model().state.currentFilePath, "");
    EXPECT_FALSE(form.model().state.fileChosen || form.projectOpen());
}

TEST_F(ProjectFlowTest, saving_writes_the_project_file_in_place_with_save_off_meanwhile) {
    openProject();
    typeOver(c(Field::CustName), "Renamed Steel");
    view.clearLog();
    form.command({"cmdSaveExcel"});
    EXPECT_EQ(view.linesStartingWith({"enable", "input"}),
              (V{"enable cmdSaveExcel off", "enable cmdSaveExcel on"}));
    EXPECT_EQ(savedValue(folder / "Example.QVR", "CustName"), "Renamed Steel");
}

TEST_F(ProjectFlowTest, closing_asks_to_save_with_the_commands_locked_no_ends_and_yes_saves) {
    openProject();
    const std::string before = readBytes(folder / "Example.QVR");
    typeOver(c(Field::CustName), "Saved On Exit");
    view.yesNoAnswers = {false, true};
    form.close();
    EXPECT_EQ(view.linesStartingWith({"ask", "end"}), (V{"ask " + kSaveQuestion, "end"}));
    EXPECT_EQ(usable(view.enabledWhenAsked), kClosing);
    EXPECT_EQ(readBytes(folder / "Example.QVR"), before);
    form.close();
    EXPECT_EQ(savedValue(folder / "Example.QVR", "CustName"), "Saved On Exit");
}

TEST_F(ProjectFlowTest, yes_with_a_save_that_fails_keeps_the_program_open) {
    view.textAnswers.push_back("Mill 7");
    form.newFile();
    fs::remove_all(folder.path()); // the new file cannot be written
    view.clearLog();
    view.yesNoAnswers.push_back(true);
    form.close();
    EXPECT_EQ(view.linesStartingWith({"end"}), V{});
    ASSERT_EQ(view.messages().size(), 1u);
    EXPECT_NE(view.messages()[0].find("could not be saved"), std::string::npos);
    EXPECT_EQ(usable(view.enabled), kProjectOpen);
    fs::create_directories(folder.path());
}

TEST_F(ProjectFlowTest, the_view_menu_leaves_the_field_for_save_and_recalculates_before_a_report) {
    form.viewMenuOpened(); // Save Data is off: the focus stays
    EXPECT_EQ(view.linesStartingWith({"focus"}), V{});
    openProject();
    form.viewMenuOpened();
    form.writeField(Field::KwHrRate, "0.3");
    form.command({"mnuEnergy"});
    EXPECT_EQ(
        view.linesStartingWith({"focus", "text lblSummaryEnergy", "report"}),
        (V{"focus cmdSaveExcel", "text lblSummaryEnergy=" + form.model().summary.lblSummaryEnergy,
           "report EnergySavings"}));
}

TEST_F(ProjectFlowTest, a_print_font_choice_or_a_loaded_one_checks_one_item) {
    openProject();
    form.command({"mnuFont", 3});
    EXPECT_EQ(form.model().record.printFontName(), "Arial");
    EXPECT_EQ(form.model().record.printFontSize(), 10);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(view.checked["mnuFont(" + std::to_string(i) + ")"], i == 3) << i;
    }
}

// ---- The file steps on their own ----------------------------------------------------

TEST(readKeyValueFile, reads_the_chosen_file_or_the_defaults_and_moves_the_flags) {
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
        FileSession s;
        writeBytes(s.folder / "Customer.ini", "\xEF\xBB\xBF"
                                              "CustName = Default\r\n");
        if (!path.empty()) {
            fs::create_directories((s.folder / path).parent_path());
            writeBytes(s.folder / path, "* comment\r\nCustName = Crane \xBD\r\n");
            s.model.state.currentFilePath = s.path(path);
        }
        s.model.state.fileChosen = chosen;
        s.model.state.keyValueTable = {{"Old", "1"}};

        ASSERT_TRUE(s.steps.readKeyValueFile());
        EXPECT_EQ(s.model.state.keyValueTable,
                  (KeyValueTable{{"CustName", chosen ? "Crane \u00BD" : "Default"}}));
        EXPECT_EQ(s.model.state.currentFilePath, s.path(path.empty() ? "Customer.ini" : path));
        EXPECT_EQ(s.model.state.fileChosen, chosen);
        EXPECT_EQ(s.model.state.userFileOpen, userFile);
        EXPECT_TRUE(s.model.state.projectLoaded);
    }
}

// A complete project whose fifth steps differ from the travel time the duty-cycle update
// leaves in them (hoist and trolley 30 s, bridge 50 s), so it shows which one stays.
ProjectRecord completeProject() {
    ProjectRecord r;
    fillCompleteProject(r);
    r.set(Field::LiftDistanceBridge, "50");
    r.set(Field::NumLifts, "1,000"); // loaded as it stands
    r.set(Field::DutyCycleHoist5, "99");
    r.set(Field::DutyCycleTrolley5, "21.5");
    r.set(Field::DutyCycleBridge5, "45");
    return r;
}

// Opens the project file text as the chosen file in a fresh session, as an earlier
// project left it (recalculation on), logging every write of a fifth step.
struct LoadedProject : FileSession {
    explicit LoadedProject(const std::string& text) {
        writeBytes(folder / "Crane.QVR", text);
        model.state.recalcEnabled = true;
        model.record.setChangeObserver([this](Field f) {
            if (dutyCycleStepOf(f) == 5) {
                view.log.push_back("fifth " + std::string(fieldKey(f)) + "=" + model.record.get(f));
            }
            recalcOnDuringAWrite |= model.state.recalcEnabled;
        });
        EXPECT_TRUE(open(path("Crane.QVR")));
        model.record.setChangeObserver(nullptr);
    }
    bool recalcOnDuringAWrite = false;
};

TEST(loadProjectIntoFields, sets_every_field_updating_each_duty_cycle_before_its_steps) {
    const ProjectRecord project = completeProject();
    const LoadedProject p(files::projectFileText(project, LocaleConventions::unitedStates()));
    for (const Field f : allFields()) {
        EXPECT_EQ(p.model.record.get(f), project.get(f)) << fieldKey(f);
    }
    // The update's fifth step (the whole travel time, as no step was set yet), then the file's.
    EXPECT_EQ(p.view.rest("fifth DutyCycle"),
              (V{"Hoist(5)=30", "Hoist(5)=99", "Trolley(5)=30", "Trolley(5)=21.5", "Bridge(5)=50",
                 "Bridge(5)=45"}));
    // No recalculation while the fields come in; one on the fields as loaded.
    EXPECT_FALSE(p.recalcOnDuringAWrite);
    EXPECT_TRUE(p.model.state.recalcEnabled);
    EXPECT_EQ(p.view.rest("text lblSummaryTotal=").size(), 1u);
}

TEST(loadProjectIntoFields, keeps_a_print_font_of_the_menu_and_makes_any_other_the_default) {
    const std::string body =
        files::projectFileText(completeProject(), LocaleConventions::unitedStates());
    const std::string fonts = body.substr(0, body.find("PrintFontName"));
    const std::pair<std::string, std::string> cases[] = {
        {"PrintFontName = Times New Roman\r\nPrintFontSize = 7\r\n", "mnuFont(6) on"},
        {"PrintFontName = Arial\r\nPrintFontSize = 65544\r\n", "mnuFont(0) on"}, // 8 if wrapped
        {"", "mnuFont(0) on"}};
    for (const auto& [lines, item] : cases) {
        const LoadedProject p(fonts + lines);
        const auto checks = p.view.rest("check ");
        EXPECT_EQ(std::count_if(checks.begin(), checks.end(),
                                [](const std::string& c) { return c.ends_with(" on"); }),
                  1);
        EXPECT_EQ(checks.back(), item) << lines;
    }
}

TEST(loadProjectIntoFields, a_file_without_settings_leaves_zero_in_every_field) {
    const LoadedProject p("* nothing but a comment\r\n");
    for (const Field f : allFields()) {
        if (f != Field::PrintFontName && f != Field::PrintFontSize) {
            EXPECT_EQ(p.model.record.get(f), "0") << fieldKey(f);
        }
    }
}

constexpr std::string_view kDefaults = "CustName = Default\r\n";

TEST(LoadTables, many_bad_rows_of_a_table_give_a_few_messages_and_a_count) {
    FileSession s;
    copyShippedData(s.folder.path());
    std::string rows;
    for (int i = 0; i < 1000; ++i) {
        rows += "2;50\r\n";
    }
    writeBytes(s.folder / "TipCosts.ini", rows);
    s.steps.loadTables();
    const V messages = s.view.messages();
    ASSERT_EQ(messages.size(), files::kRowProblemsTold + 1);
    EXPECT_EQ(messages[4], "Line 5 of TipCosts.ini has 2 fields where 5 fields are needed; the "
                           "row is left out.");
    EXPECT_EQ(messages[5], "TipCosts.ini has 995 more rows that cannot be read; they are left "
                           "out too.");
}

// A complete project whose current file is the default file, as after starting a new
// project without a name.
class WriteProjectFileTest : public ::testing::Test, public FileSession {
protected:
    WriteProjectFileTest() {
        writeBytes(folder / "Customer.ini", kDefaults);
        fillCompleteProject(model.record);
        model.state.currentFilePath = path("Customer.ini");
    }

    std::string savedBytes() const {
        return files::encodeProjectFile(files::projectFileText(model.record, model.locale()));
    }
};

TEST_F(WriteProjectFileTest, the_default_file_asks_for_a_name_once_then_saves_there) {
    view.textAnswers = {"Crane 7"};
    EXPECT_TRUE(steps.writeProjectFile());
    model.record.set(Field::CustName, "Second save");
    EXPECT_TRUE(steps.writeProjectFile());

    EXPECT_EQ(view.rest("input "), V{kNamePrompt});
    EXPECT_EQ(view.rest("text lblFileName="), V{path("Crane 7.QVR")});
    EXPECT_EQ(readBytes(path("Crane 7.QVR")), savedBytes());
    EXPECT_EQ(filesIn(folder.path()), (std::set<std::string>{"Crane 7.QVR", "Customer.ini"}));
    EXPECT_EQ(readBytes(path("Customer.ini")), kDefaults);
    EXPECT_EQ(model.state.currentFilePath, path("Crane 7.QVR"));
    EXPECT_TRUE(model.state.userFileOpen && model.state.projectLoaded);
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
        model.state.userFileOpen = true;
        EXPECT_FALSE(steps.writeProjectFile()) << answer.value_or("(cancelled)");
        EXPECT_EQ(view.rest("message ").size(), answer && !answer->empty() ? 1u : 0u);
        EXPECT_EQ(view.rest("text lblFileName="), V{});
        EXPECT_EQ(model.state.currentFilePath, path("Customer.ini"));
        EXPECT_FALSE(model.state.userFileOpen);
    }
    EXPECT_EQ(filesIn(folder.path()), (std::set<std::string>{"Customer.ini", "sub"}));
    EXPECT_EQ(readBytes(path("Customer.ini")), kDefaults);
    EXPECT_EQ(ui::texts::cannotUseName(".", *files::newFileNameProblem(".")),
              "The name \".\" cannot be used for a file: it holds nothing but dots. Please choose "
              "a name made of letters, digits and spaces.");
    // The longest name taken: the save's temporary copy beside it still has a name.
    view.textAnswers = {std::string(240, 'x')};
    EXPECT_TRUE(steps.writeProjectFile());
}

TEST_F(WriteProjectFileTest, a_name_holding_customer_ini_is_asked_for_again_at_the_next_save) {
    view.textAnswers = {"Customer.ini", "Crane"};
    EXPECT_TRUE(steps.writeProjectFile());
    EXPECT_EQ(readBytes(path("Customer.ini.QVR")), savedBytes());
    EXPECT_TRUE(steps.writeProjectFile());
    EXPECT_EQ(view.rest("input ").size(), 2u);
    EXPECT_EQ(readBytes(path("Crane.QVR")), savedBytes());
    EXPECT_EQ(model.state.currentFilePath, path("Crane.QVR"));
    EXPECT_EQ(readBytes(path("Customer.ini")), kDefaults);
}

TEST_F(WriteProjectFileTest, a_failed_write_is_reported_and_restores_path_and_flags) {
    writeBytes(folder / "plain", "a file, not a folder");
    const std::string failing = path("plain/Crane.QVR");
    model.state.currentFilePath = failing;
    model.state.fileChosen = true;
    EXPECT_FALSE(steps.writeProjectFile());
    EXPECT_EQ(view.rest("message "), V{"The file \"" + failing +
                                       "\" could not be saved: Not a directory. Nothing was "
                                       "written; your work is still open."});
    EXPECT_EQ(model.state.currentFilePath, failing);
    EXPECT_FALSE(model.state.userFileOpen || model.state.projectLoaded);
    EXPECT_TRUE(model.state.fileChosen);

    // Under a new name, the default file is current and shown again.
    view.clearLog();
    fs::create_directory(folder / "Crane.QVR");
    model.state.currentFilePath = path("Customer.ini");
    view.textAnswers = {"Crane"};
    EXPECT_FALSE(steps.writeProjectFile());
    EXPECT_EQ(view.rest("text lblFileName="), (V{path("Crane.QVR"), path("Customer.ini")}));
    EXPECT_EQ(model.state.currentFilePath, path("Customer.ini"));
    EXPECT_FALSE(model.state.userFileOpen || model.state.projectLoaded);
}

// Every example opens and saves back byte for byte in any locale. A business case entered
// is saved with the project, in the same bytes whichever locale saved it, and comes back
// with it, changing none of the savings.
TEST(ProjectFileRoundTrip, every_example_saves_back_byte_identical_in_every_locale) {
    const std::array locales{LocaleConventions::unitedStates(), test::german()};
    std::map<std::string, std::string> savedInUs;
    for (std::size_t i = 0; i < locales.size(); ++i) {
        for (const auto& entry : fs::directory_iterator(fs::path(PAYVANTA_DATA_DIR) / "examples")) {
            if (entry.path().extension() != ".QVR") {
                continue;
            }
            const std::string name = entry.path().filename().string();
            FileSession s(locales[i]);
            const std::string copy = s.path(name);
            fs::copy_file(entry.path(), copy);
            ASSERT_TRUE(s.open(copy));
            ASSERT_TRUE(s.steps.writeProjectFile());
            EXPECT_EQ(s.view.rest("input "), V{});
            EXPECT_EQ(readBytes(copy), readBytes(entry.path())) << name;
            if (name == "steel-mill-ladle-crane.QVR") {
                EXPECT_EQ(s.model.record.get(Field::KwHrRate), i == 0 ? "0.0824" : "0,0824");
                EXPECT_EQ(numbers::parse(s.model.summary.lblSummaryTotal, locales[i]), 149478.90);
            }

            BusinessCaseInputs& entered = s.model.record.businessCase();
            entered.set(CaseInput::DiscountRate, i == 0 ? "7.5" : "7,5");
            entered.set(CaseInput::Co2Source, "eGRID 1,5");
            entered.set(CaseInput::ProjectLife, "12");
            ASSERT_TRUE(s.steps.writeProjectFile());
            if (i == 0) {
                savedInUs[name] = readBytes(copy);
            } else {
                EXPECT_EQ(readBytes(copy), savedInUs[name]) << name;
            }
            FileSession again(locales[i]);
            ASSERT_TRUE(again.open(copy));
            for (const Field f : allFields()) {
                EXPECT_EQ(again.model.record.get(f), s.model.record.get(f)) << fieldKey(f);
            }
            EXPECT_EQ(again.model.record.businessCase(), entered);
            EXPECT_EQ(again.model.summary.lblSummaryTotal, s.model.summary.lblSummaryTotal);
        }
    }
    EXPECT_GE(savedInUs.size(), 3u);
}

} // namespace
