#include "project_flows.h"

#include "help_pages.h"
#include "model/print_font.h"
#include "ui_texts.h"

namespace payvanta::ui {

ProjectFlows::ProjectFlows(FormContext& form, TableLoader tables)
    : form_(form), steps_(form, std::move(tables)) {}

void ProjectFlows::formLoad() {
    RunState& s = form_.model().state;
    s.lineBreak = "\r\n";
    form_.view().setListItems(ctl::cmbHelp, {kHelpTopics.begin(), kHelpTopics.end()});
    form_.view().setText({ctl::txtHelp}, helpGettingStarted(s.lineBreak));
    form_.view().setText({ctl::cmbHelp}, kHelpTopics[0]);
    s.projectLoaded = false;
    s.userFileOpen = false;
    s.fileChosen = false;
    s.recalcEnabled = false;
    // Only the help frame shows at start.
    form_.view().selectTab(tab::Help);
    form_.showTab(tab::Help);
    form_.enterState(FormState::Start);
    form_.view().setProgressVisible(false);
}

void ProjectFlows::choosePrintFont(std::size_t menuIndex) {
    if (menuIndex >= kPrintFontChoices.size()) {
        return;
    }
    steps_.checkPrintFont(menuIndex);
    const PrintFontChoice& choice = kPrintFontChoices[menuIndex];
    form_.model().record.setPrintFont(choice.fontName, choice.fontSize);
}

void ProjectFlows::newFile() {
    if (projectOpen_) {
        return; // one project per run
    }
    const RunState before = form_.model().state;
    const FormState stateBefore = form_.state();
    form_.enterState(FormState::Loading);
    const auto path = steps_.askNewFilePath();
    if (projectOpen_) {
        return; // a project was opened while the question was open
    }
    if (!path) {
        form_.enterState(FormState::Cancelled);
        return;
    }
    RunState& s = form_.model().state;
    s.currentFilePath = *path;
    form_.view().setText({ctl::lblFileName}, s.currentFilePath);
    steps_.loadTables();
    // With fileChosen still false, both reads take the default file.
    if (!steps_.ensureDefaultsRead() || !steps_.readKeyValueFile()) {
        restore(before, stateBefore);
        return;
    }
    steps_.loadProjectIntoFields();
    setUp();
    s.fileChosen = true;
}

void ProjectFlows::existingFile() {
    if (projectOpen_) {
        return;
    }
    const FormState stateBefore = form_.state();
    form_.enterState(FormState::Loading);
    const auto chosen = form_.view().chooseProjectFile();
    if (projectOpen_) {
        return; // a project was opened while the dialog was open
    }
    if (!chosen) {
        form_.enterState(FormState::Cancelled);
        return;
    }
    openProject(*chosen, stateBefore);
}

bool ProjectFlows::openProjectFile(const std::string& path) {
    if (projectOpen_) {
        return false;
    }
    return openProject(path, form_.state());
}

bool ProjectFlows::openProject(const std::string& path, FormState stateBefore) {
    const RunState before = form_.model().state;
    RunState& s = form_.model().state;
    s.currentFilePath = path;
    form_.view().setText({ctl::lblFileName}, path);
    s.fileChosen = true;
    s.userFileOpen = true;
    form_.enterState(FormState::Loading);
    steps_.loadTables();
    if (!steps_.readKeyValueFile()) {
        restore(before, stateBefore);
        return false;
    }
    steps_.loadProjectIntoFields();
    setUp();
    form_.recalculate();
    return true;
}

void ProjectFlows::restore(const RunState& state, FormState commands) {
    if (form_.model().state.currentFilePath != state.currentFilePath) {
        form_.view().setText({ctl::lblFileName}, state.currentFilePath);
    }
    form_.model().state = state;
    form_.enterState(commands);
    form_.hideProgress();
}

void ProjectFlows::setUp() {
    form_.progress(100);
    form_.view().beep();
    form_.enterState(FormState::ProjectOpen);
    form_.hideProgress();
    projectOpen_ = true;
}

void ProjectFlows::saveData() {
    form_.setEnabled({ctl::cmdSaveExcel}, false);
    steps_.writeProjectFile();
    form_.setEnabled({ctl::cmdSaveExcel}, true);
}

void ProjectFlows::closeCommand() {
    const FormState before = form_.state();
    form_.enterState(FormState::Closing);
    if (!unload()) {
        form_.enterState(before);
        return;
    }
    form_.view().endProgram();
}

bool ProjectFlows::unload() {
    if (!form_.model().state.projectLoaded) {
        return true;
    }
    if (!form_.view().askYesNo(texts::kSaveQuestion)) {
        return true;
    }
    // Yes means the work is to be kept: a save that wrote nothing (no name given, or the
    // file could not be written) keeps the program open.
    return steps_.writeProjectFile();
}

} // namespace payvanta::ui
