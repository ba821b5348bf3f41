#include "project_flows.h"

#include "files/file_naming.h"
#include "help_pages.h"
#include "model/print_font.h"
#include "ui_texts.h"

namespace payvanta::ui {

ProjectFlows::ProjectFlows(FormContext& form, TableLoader tables)
    : form_(form), files_(form.model, *this, form.programFolder), tables_(std::move(tables)) {
    if (!tables_) {
        tables_ = [folder = form.programFolder](files::SelectionLists& lists,
                                                files::TableHost& host) {
            files::LoadReferenceTables(folder, lists, host);
        };
    }
}

void ProjectFlows::formLoad() {
    RunState& s = form_.model.state;
    s.LineBreak = "\r\n";
    form_.view.setListItems(ctl::cmbHelp, {kHelpTopics.begin(), kHelpTopics.end()});
    form_.view.setText({ctl::txtHelp}, HelpGettingStarted(s.LineBreak));
    form_.view.setText({ctl::cmbHelp}, kHelpTopics[0]);
    s.ProjectLoaded = false;
    s.UserFileOpen = false;
    s.FileChosen = false;
    s.RecalcEnabled = false;
    // The start state: only the help frame shows; it and the frames of project
    // information, hoist and trolley are locked until a project is open.
    form_.view.selectTab(tab::Help);
    form_.showTab(tab::Help);
    for (int frame = 1; frame <= 6; ++frame) {
        form_.setEnabled({ctl::Frame1, frame}, frame > 4);
    }
    for (const auto name :
         {ctl::cmdNewFile, ctl::cmdExistingFile, ctl::mnuOpenNewFile, ctl::mnuOpenExistingFile,
          ctl::cmdClose, ctl::cmdPrintHelp, ctl::TabStrip1, ctl::mnuPrinterFonts,
          ctl::mnuPrintHelpFile, ctl::mnuExit, ctl::cmdRealTimeSummary}) {
        form_.setEnabled({name}, true);
    }
    for (const auto name : {ctl::cmdSaveExcel, ctl::cmdPrintAll, ctl::cmdPrintSummary, ctl::mnuView,
                            ctl::mnuSaveData, ctl::mnuPrintSummary, ctl::mnuPrintAll}) {
        form_.setEnabled({name}, false);
    }
    form_.view.setProgressVisible(false);
}

void ProjectFlows::EnableButtons(bool enable) {
    for (const auto name :
         {ctl::cmdClose, ctl::cmdSaveExcel, ctl::cmdPrintAll, ctl::cmdPrintSummary,
          ctl::cmdPrintHelp, ctl::TabStrip1, ctl::mnuView, ctl::mnuPrinterFonts, ctl::mnuSaveData,
          ctl::mnuPrintSummary, ctl::mnuPrintAll}) {
        form_.setEnabled({name}, enable);
    }
}

void ProjectFlows::EnableButtonsFile(bool enable) {
    for (const auto name :
         {ctl::cmdExistingFile, ctl::cmdNewFile, ctl::mnuOpenExistingFile, ctl::mnuOpenNewFile}) {
        form_.setEnabled({name}, enable);
    }
}

void ProjectFlows::UncheckPrintFontMenu() {
    for (std::size_t i = 0; i < kPrintFontChoices.size(); ++i) {
        form_.view.setChecked({ctl::mnuFont, static_cast<int>(i)}, false);
    }
}

void ProjectFlows::choosePrintFont(std::size_t menuIndex) {
    if (menuIndex >= kPrintFontChoices.size()) {
        return;
    }
    printFontChecked(menuIndex);
    const PrintFontChoice& choice = kPrintFontChoices[menuIndex];
    form_.model.record.setPrintFont(choice.fontName, choice.fontSize);
}

void ProjectFlows::newFile() {
    if (projectOpen_) {
        return; // one project per run
    }
    const RunState before = form_.model.state;
    const FormContext::EnabledState enabledBefore = form_.enabledState();
    EnableButtons(false);
    const auto answer = form_.view.askText(files::kNewFileNamePrompt);
    const auto problem = answer ? files::newFileNameProblem(*answer) : std::nullopt;
    if (problem) {
        form_.message(*problem);
    }
    if (!answer || answer->empty() || problem) {
        form_.setEnabled({ctl::cmdClose}, true);
        EnableButtonsFile(true);
        return;
    }
    RunState& s = form_.model.state;
    s.CurrentFilePath = files::newProjectFilePath(form_.programFolder, *answer);
    showFileName(s.CurrentFilePath);
    EnableButtonsFile(false); // while loading, every command waits
    loadTables();
    // With FileChosen still false, both reads take the default file.
    if (!files_.EnsureDefaultsRead() || !files_.ReadKeyValueFile()) {
        restore(before, enabledBefore);
        return;
    }
    files_.LoadProjectIntoFields();
    SetUp();
    s.FileChosen = true;
}

void ProjectFlows::existingFile() {
    if (projectOpen_) {
        return;
    }
    const FormContext::EnabledState enabledBefore = form_.enabledState();
    EnableButtons(false);
    EnableButtonsFile(false);
    const auto chosen = form_.view.chooseProjectFile();
    if (!chosen) {
        form_.setEnabled({ctl::cmdClose}, true);
        EnableButtonsFile(true);
        return;
    }
    openProject(*chosen, enabledBefore);
}

bool ProjectFlows::openProjectFile(const std::string& path) {
    if (projectOpen_) {
        return false;
    }
    return openProject(path, form_.enabledState());
}

bool ProjectFlows::openProject(const std::string& path,
                               const FormContext::EnabledState& enabledBefore) {
    const RunState before = form_.model.state;
    RunState& s = form_.model.state;
    s.CurrentFilePath = path;
    showFileName(path);
    s.FileChosen = true;
    s.UserFileOpen = true;
    EnableButtons(false);
    EnableButtonsFile(false);
    loadTables();
    if (!files_.ReadKeyValueFile()) {
        restore(before, enabledBefore);
        return false;
    }
    files_.LoadProjectIntoFields();
    SetUp();
    form_.recalculate();
    return true;
}

void ProjectFlows::restore(const RunState& state, const FormContext::EnabledState& enabled) {
    if (form_.model.state.CurrentFilePath != state.CurrentFilePath) {
        showFileName(state.CurrentFilePath);
    }
    form_.model.state = state;
    form_.restoreEnabledState(enabled);
    if (progressShown_) {
        form_.view.setProgressVisible(false);
        progressShown_ = false;
    }
}

void ProjectFlows::loadTables() {
    if (tablesLoaded_) {
        return; // the lists are filled once per run
    }
    tablesLoaded_ = true;
    tables_(form_.lists, *this);
    const files::SelectionLists& l = form_.lists;
    form_.view.setListItems(controlOf(Field::cmbStateKw).name, l.cmbStateKw);
    form_.view.setListItems(controlOf(Field::BridgeNemaSize).name, l.cmbBridgeNemaSize);
    form_.view.setListItems(controlOf(Field::HoistNemaSize).name, l.cmbHoistNemaSize);
    form_.view.setListItems(controlOf(Field::TrolleyNemaSize).name, l.cmbTrolleyNemaSize);
    form_.view.setListItems(controlOf(Field::BrakeSize).name, l.cmbBrakeSize);
    form_.view.setListItems(controlOf(Field::HoistMotor).name, l.cmbHoistMotor);
    form_.view.setListItems(controlOf(Field::TrolleyMotor).name, l.cmbTrolleyMotor);
    form_.view.setListItems(controlOf(Field::BridgeMotor).name, l.cmbBridgeMotor);
}

void ProjectFlows::SetUp() {
    for (int frame = 1; frame <= 5; ++frame) {
        form_.setEnabled({ctl::Frame1, frame}, true);
    }
    form_.view.setProgress(100);
    form_.view.beep();
    EnableButtons(true);
    EnableButtonsFile(false);
    form_.view.setProgressVisible(false);
    progressShown_ = false;
    projectOpen_ = true;
}

void ProjectFlows::saveData() {
    form_.setEnabled({ctl::cmdSaveExcel}, false);
    files_.WriteProjectFile();
    form_.setEnabled({ctl::cmdSaveExcel}, true);
}

void ProjectFlows::closeCommand() {
    EnableButtons(false);
    if (!unload()) {
        EnableButtons(true);
        return;
    }
    form_.view.endProgram();
}

bool ProjectFlows::unload() {
    if (!form_.model.state.ProjectLoaded) {
        return true;
    }
    if (!form_.view.askYesNo(texts::kSaveQuestion)) {
        return true;
    }
    // Yes means the work is to be kept: a save that wrote nothing (no name given, or the
    // file could not be written) keeps the program open.
    const bool saved = files_.WriteProjectFile();
    return saved && form_.model.state.UserFileOpen;
}

void ProjectFlows::showFileName(std::string_view path) {
    form_.view.setText({ctl::lblFileName}, path);
}

void ProjectFlows::progress(int value) {
    if (!progressShown_) {
        form_.view.setProgressVisible(true);
        progressShown_ = true;
    }
    form_.view.setProgress(value);
}

std::optional<std::string> ProjectFlows::askText(std::string_view prompt) {
    return form_.view.askText(prompt);
}

void ProjectFlows::message(std::string_view text) {
    form_.message(text);
}

void ProjectFlows::fileNameShown(std::string_view path) {
    showFileName(path);
}

void ProjectFlows::printFontChecked(std::size_t menuIndex) {
    UncheckPrintFontMenu();
    form_.view.setChecked({ctl::mnuFont, static_cast<int>(menuIndex)}, true);
}

void ProjectFlows::recalculated() {
    form_.showSummary();
}

} // namespace payvanta::ui
