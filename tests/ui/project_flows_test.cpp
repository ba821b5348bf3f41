#include "form_fixture.h"

#include "files/key_value_file.h"
#include "files/text_encoding.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace payvanta;
using namespace payvanta::test;
using V = std::vector<std::string>;

namespace {

const char* const kNamePrompt =
    "Please enter the name of the new file. NOTE: The .QVR file extention will be added for you.";

class ProjectFlowTest : public FormTest {
protected:
    bool on(const std::string& control) const { return view.enabled.at(control); }
    // The commands of each state, as the window shows them.
    void expectStartState() const {
        for (const char* c : {"cmdNewFile", "cmdExistingFile", "mnuOpenNewFile",
                              "mnuOpenExistingFile", "cmdClose", "TabStrip1", "cmdPrintHelp",
                              "mnuPrinterFonts"}) {
            EXPECT_TRUE(on(c)) << c;
        }
        for (const char* c : {"cmdSaveExcel", "cmdPrintAll", "cmdPrintSummary", "mnuView",
                              "mnuSaveData", "mnuPrintSummary", "mnuPrintAll"}) {
            EXPECT_FALSE(on(c)) << c;
        }
    }
    void expectProjectOpenState() const {
        for (const char* c : {"cmdClose", "cmdSaveExcel", "cmdPrintAll", "cmdPrintSummary",
                              "cmdPrintHelp", "TabStrip1", "mnuView", "mnuPrinterFonts",
                              "mnuSaveData", "mnuPrintSummary", "mnuPrintAll", "Frame1(1)",
                              "Frame1(2)", "Frame1(3)", "Frame1(4)", "Frame1(5)"}) {
            EXPECT_TRUE(on(c)) << c;
        }
        for (const char* c : {"cmdNewFile", "cmdExistingFile", "mnuOpenNewFile",
                              "mnuOpenExistingFile"}) {
            EXPECT_FALSE(on(c)) << c;
        }
    }
    // Cancelled or refused: New, Existing and Close usable; the rest waits for a project.
    void expectCancelledState() const {
        for (const char* c : {"cmdNewFile", "cmdExistingFile", "cmdClose"}) {
            EXPECT_TRUE(on(c)) << c;
        }
        for (const char* c : {"TabStrip1", "cmdPrintHelp", "mnuPrinterFonts", "cmdSaveExcel"}) {
            EXPECT_FALSE(on(c)) << c;
        }
    }
    std::string projectPath(const char* name) const { return (folder / name).string(); }
};

TEST_F(ProjectFlowTest, the_form_starts_with_the_first_help_page_and_locked_frames) {
    expectStartState();
    EXPECT_EQ(view.frameShown, 1);
    EXPECT_EQ(view.texts["cmbHelp"], "Getting Started");
    EXPECT_EQ(view.texts["txtHelp"].substr(0, 22), "     Getting Started\r\n");
    EXPECT_EQ(view.listItems["cmbHelp"].size(), 7u);
    // The help frame is usable; every data frame waits for a project.
    EXPECT_TRUE(on("Frame1(1)"));
    for (const char* frame : {"Frame1(2)", "Frame1(3)", "Frame1(4)", "Frame1(5)", "Frame1(6)"}) {
        EXPECT_FALSE(on(frame)) << frame;
    }
    const auto& s = form.model().state;
    EXPECT_FALSE(s.ProjectLoaded || s.UserFileOpen || s.FileChosen || s.RecalcEnabled);
}

TEST_F(ProjectFlowTest, a_help_topic_shows_its_page) {
    form.listItemPicked({"cmbHelp"}, 4);
    EXPECT_EQ(view.texts["txtHelp"].substr(0, 15), "     Bridge Tab");
    form.listItemPicked({"cmbHelp"}, 0);
    EXPECT_EQ(view.texts["txtHelp"].substr(0, 20), "     Getting Started");
}

TEST_F(ProjectFlowTest, before_any_project_a_recalculation_changes_nothing) {
    form.realTimeSummary();
    EXPECT_EQ(view.linesStartingWith({"text lblSummary", "text lblSumary"}), V{});
}

TEST_F(ProjectFlowTest, cancelling_the_new_file_name_leaves_new_existing_and_close_usable) {
    view.textAnswers.push_back(std::nullopt);
    form.newFile();
    EXPECT_EQ(view.linesStartingWith({"input"}), V{std::string("input ") + kNamePrompt});
    expectCancelledState();
    view.textAnswers.push_back("");
    form.newFile();
    expectCancelledState();
    EXPECT_EQ(form.model().state.CurrentFilePath, "");
}

TEST_F(ProjectFlowTest, a_name_that_cannot_be_a_file_name_is_refused_with_a_message) {
    view.textAnswers.push_back("plant/crane");
    form.newFile();
    ASSERT_EQ(view.messages().size(), 1u);
    EXPECT_NE(view.messages()[0].find("plant/crane"), std::string::npos);
    expectCancelledState();
    EXPECT_FALSE(form.projectOpen());
}

TEST_F(ProjectFlowTest, a_new_file_loads_the_defaults_and_writes_nothing_until_saved) {
    view.textAnswers.push_back("Mill 7");
    form.newFile();
    const std::string path = projectPath("Mill 7.QVR");
    const auto& s = form.model().state;
    EXPECT_EQ(s.CurrentFilePath, path);
    EXPECT_EQ(view.texts["lblFileName"], path);
    EXPECT_TRUE(s.UserFileOpen);
    EXPECT_TRUE(s.FileChosen);
    EXPECT_TRUE(s.ProjectLoaded);
    EXPECT_TRUE(s.RecalcEnabled);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(text(Field::cmbStateKw), "PA");
    EXPECT_EQ(text(Field::ContactElec), "100000");
    EXPECT_NE(view.texts["lblSummaryTotal"], "");
    expectProjectOpenState();
    EXPECT_EQ(view.linesStartingWith({"beep"}).size(), 1u);
    EXPECT_FALSE(view.progressVisible);
    EXPECT_EQ(view.progressValues.back(), 100);

    form.saveData(); // writes without asking
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(ProjectFlowTest, loading_runs_exactly_one_recalculation_after_the_last_field) {
    view.textAnswers.push_back("Mill 7");
    form.newFile();
    // The summary is written once, after every field is in place.
    EXPECT_EQ(view.linesStartingWith({"text lblSummaryTotal"}).size(), 1u);
    const auto texts = view.linesStartingWith({"text txt", "text cmb", "text lblSummaryTotal"});
    EXPECT_EQ(texts.back().rfind("text lblSummaryTotal", 0), 0u);
}

TEST_F(ProjectFlowTest, the_load_shows_its_progress) {
    view.textAnswers.push_back("Mill 7");
    form.newFile();
    // Tables (60, 70), the default file read twice, the fields, then the set-up.
    EXPECT_EQ(view.progressValues, (std::vector<int>{60, 70, 1, 4, 7, 10, 15, 25, 1, 4, 7, 10,
                                                     15, 25, 30, 35, 40, 45, 50, 100}));
}

TEST_F(ProjectFlowTest, while_loading_every_command_is_disabled_and_the_progress_shows) {
    view.textAnswers.push_back("Mill 7");
    form.newFile();
    for (const char* c : {"cmdNewFile", "cmdExistingFile", "cmdSaveExcel", "cmdPrintAll",
                          "cmdPrintSummary", "cmdPrintHelp", "cmdClose", "TabStrip1", "mnuView",
                          "mnuPrinterFonts", "mnuSaveData", "mnuPrintSummary", "mnuPrintAll",
                          "mnuOpenNewFile", "mnuOpenExistingFile"}) {
        EXPECT_FALSE(view.enabledWhileLoading.at(c)) << c;
    }
    const auto shown = view.linesStartingWith({"progress shown", "progress hidden", "beep"});
    EXPECT_EQ(shown, (V{"progress hidden", "progress shown", "beep", "progress hidden"}));
}

TEST_F(ProjectFlowTest, closing_locks_the_commands_before_it_asks) {
    openProject();
    view.yesNoAnswers.push_back(false);
    form.close();
    EXPECT_EQ(view.linesStartingWith({"ask"}), V{"ask Would you like to save your work?"});
    EXPECT_FALSE(view.enabledWhenAsked.at("cmdClose"));
    EXPECT_FALSE(view.enabledWhenAsked.at("cmdSaveExcel"));
}

TEST_F(ProjectFlowTest, a_missing_default_file_is_reported_and_the_form_stays_as_it_was) {
    std::filesystem::remove(folder / "Customer.ini");
    view.textAnswers.push_back("Mill 7");
    form.newFile();
    ASSERT_EQ(view.messages().size(), 1u);
    EXPECT_NE(view.messages()[0].find("Customer.ini"), std::string::npos);
    EXPECT_NE(view.messages()[0].find("No such file or directory"), std::string::npos);
    expectStartState();
    EXPECT_EQ(form.model().state.CurrentFilePath, "");
    EXPECT_EQ(view.texts["lblFileName"], "");
    EXPECT_FALSE(form.model().state.ProjectLoaded);
    EXPECT_FALSE(view.progressVisible);
    // The user can put the file back and try again.
    copyShippedData(folder.path());
    view.textAnswers.push_back("Mill 7");
    form.newFile();
    EXPECT_TRUE(form.projectOpen());
    EXPECT_EQ(view.listItems["cmbStateKw"].size(), 52u); // the lists were filled once
}

TEST_F(ProjectFlowTest, an_existing_file_chosen_in_the_dialog_opens_and_recalculates) {
    openProject(); // writes Example.QVR and opens it like the dialog's OK
    expectProjectOpenState();
    const auto& s = form.model().state;
    EXPECT_EQ(s.CurrentFilePath, projectPath("Example.QVR"));
    EXPECT_TRUE(s.UserFileOpen && s.FileChosen && s.ProjectLoaded && s.RecalcEnabled);
    EXPECT_EQ(text(Field::CustName), "Example Steel");
    EXPECT_EQ(view.texts["txtCustName"], "Example Steel");
    EXPECT_EQ(form.model().summary.lblSumaryMaintenance, "$208.50");
}

TEST_F(ProjectFlowTest, the_existing_file_command_locks_the_commands_then_asks_the_dialog) {
    view.fileChoices.push_back(writeExampleFile("Chosen.QVR"));
    view.clearLog();
    form.command({"mnuOpenExistingFile"});
    // Locked before the dialog and while loading; with the project open only Close is back.
    EXPECT_FALSE(view.enabledWhenAsked.at("cmdClose"));
    EXPECT_FALSE(view.enabledWhenAsked.at("cmdNewFile"));
    EXPECT_FALSE(view.enabledWhileLoading.at("cmdClose"));
    EXPECT_TRUE(view.enabled.at("cmdClose"));
    EXPECT_FALSE(view.enabled.at("cmdNewFile"));
    EXPECT_TRUE(form.projectOpen());
    EXPECT_EQ(view.texts["lblFileName"], projectPath("Chosen.QVR"));
}

TEST_F(ProjectFlowTest, cancelling_the_file_dialog_restores_new_existing_and_close) {
    view.fileChoices.push_back(std::nullopt);
    form.existingFile();
    EXPECT_EQ(view.linesStartingWith({"choose"}), V{"choose"});
    expectCancelledState();
}

TEST_F(ProjectFlowTest, an_unreadable_project_is_reported_and_nothing_changes) {
    const std::string path = projectPath("Missing.QVR");
    view.fileChoices.push_back(path);
    form.existingFile();
    ASSERT_EQ(view.messages().size(), 1u);
    EXPECT_NE(view.messages()[0].find(path), std::string::npos);
    expectStartState();
    EXPECT_EQ(form.model().state.CurrentFilePath, "");
    EXPECT_FALSE(form.model().state.FileChosen);
    EXPECT_FALSE(form.projectOpen());
}

TEST_F(ProjectFlowTest, a_second_project_can_never_be_opened) {
    openProject();
    const std::string before = form.model().state.CurrentFilePath;
    form.newFile();
    form.existingFile();
    EXPECT_FALSE(form.openProjectFile(projectPath("Example.QVR")));
    EXPECT_EQ(form.model().state.CurrentFilePath, before);
    EXPECT_EQ(view.linesStartingWith({"input", "choose"}), V{});
}

TEST_F(ProjectFlowTest, saving_writes_the_project_file_in_place) {
    openProject();
    typeOver(c(Field::CustName), "Renamed Steel");
    view.clearLog();
    form.command({"cmdSaveExcel"});
    EXPECT_EQ(view.linesStartingWith({"enable cmdSaveExcel"}),
              (V{"enable cmdSaveExcel off", "enable cmdSaveExcel on"}));
    const auto table = files::parseKeyValueText(
        encoding::decodeFileText(readBytes(folder / "Example.QVR")));
    EXPECT_EQ(files::LookupValue(table, "CustName"), "Renamed Steel");
}

TEST_F(ProjectFlowTest, closing_before_any_project_asks_nothing) {
    form.command({"cmdClose"});
    EXPECT_EQ(view.linesStartingWith({"ask", "end"}), V{"end"});
}

TEST_F(ProjectFlowTest, closing_an_open_project_asks_to_save_and_yes_saves) {
    openProject();
    typeOver(c(Field::CustName), "Saved On Exit");
    view.yesNoAnswers.push_back(true);
    form.close();
    EXPECT_EQ(view.linesStartingWith({"ask", "end"}),
              (V{"ask Would you like to save your work?", "end"}));
    const auto table = files::parseKeyValueText(
        encoding::decodeFileText(readBytes(folder / "Example.QVR")));
    EXPECT_EQ(files::LookupValue(table, "CustName"), "Saved On Exit");
}

TEST_F(ProjectFlowTest, no_ends_without_saving) {
    openProject();
    const std::string before = readBytes(folder / "Example.QVR");
    typeOver(c(Field::CustName), "Not Saved");
    view.yesNoAnswers.push_back(false);
    form.close();
    EXPECT_EQ(view.linesStartingWith({"end"}), V{"end"});
    EXPECT_EQ(readBytes(folder / "Example.QVR"), before);
}

TEST_F(ProjectFlowTest, yes_with_a_save_that_fails_keeps_the_program_open) {
    view.textAnswers.push_back("Mill 7");
    form.newFile();
    // The folder is gone: the new file cannot be written.
    std::filesystem::remove_all(folder.path());
    view.clearLog();
    view.yesNoAnswers.push_back(true);
    form.close();
    EXPECT_EQ(view.linesStartingWith({"end"}), V{});
    ASSERT_EQ(view.messages().size(), 1u);
    EXPECT_NE(view.messages()[0].find("could not be saved"), std::string::npos);
    expectProjectOpenState();
    std::filesystem::create_directories(folder.path());
}

TEST_F(ProjectFlowTest, the_view_menu_recalculates_before_it_shows_a_report) {
    openProject();
    form.model().record.set(Field::KwHrRate, "0.3");
    form.command({"mnuEnergy"});
    const auto lines = view.linesStartingWith({"text lblSummaryEnergy", "report"});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "report EnergySavings");
}

TEST_F(ProjectFlowTest, opening_the_view_menu_moves_the_focus_to_save_only_when_it_is_usable) {
    form.viewMenuOpened();
    EXPECT_EQ(view.linesStartingWith({"focus"}), V{});
    openProject();
    form.viewMenuOpened();
    EXPECT_EQ(view.linesStartingWith({"focus"}), V{"focus cmdSaveExcel"});
}

TEST_F(ProjectFlowTest, a_print_font_choice_checks_one_item_and_is_saved) {
    openProject();
    form.command({"mnuFont", 3});
    EXPECT_EQ(view.checked["mnuFont(3)"], true);
    for (int i = 0; i < 11; ++i) {
        if (i != 3) {
            EXPECT_FALSE(view.checked["mnuFont(" + std::to_string(i) + ")"]) << i;
        }
    }
    EXPECT_EQ(form.model().record.printFontName(), "Arial");
    EXPECT_EQ(form.model().record.printFontSize(), 10);
}

TEST_F(ProjectFlowTest, a_loaded_print_font_is_checked) {
    openProject([](ProjectRecord& r) { r.setPrintFont("Times New Roman", 8); });
    EXPECT_TRUE(view.checked["mnuFont(7)"]);
    EXPECT_FALSE(view.checked["mnuFont(0)"]);
}

TEST_F(ProjectFlowTest, a_tab_click_shows_its_frame) {
    form.tabClicked(6);
    EXPECT_EQ(view.frameShown, 6);
}

} // namespace
