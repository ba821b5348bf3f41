#include "project_file_steps.h"

#include "files/file_naming.h"
#include "files/key_value_file.h"
#include "files/project_file.h"
#include "files/project_file_layout.h"
#include "model/number_text.h"
#include "model/print_font.h"
#include "ui_texts.h"

namespace payvanta::ui {

ProjectFileSteps::ProjectFileSteps(FormContext& form, TableLoader tables)
    : form_(form), tables_(std::move(tables)) {
    if (!tables_) {
        tables_ = [folder = form.programFolder()] { return files::loadReferenceTables(folder); };
    }
}

bool ProjectFileSteps::readKeyValueFile() {
    RunState& s = form_.model().state;
    form_.progress(1);
    const std::string path =
        s.fileChosen ? s.currentFilePath : files::defaultFilePath(form_.programFolder());
    // The file is read whole before anything changes, so a file that cannot be read
    // leaves the flags and the table as they were.
    files::Result<KeyValueTable> table = files::readProjectFile(path);
    if (!table) {
        form_.message(texts::cannotRead(table.failure()));
        return false;
    }
    form_.progress(4);
    if (s.currentFilePath.empty()) {
        s.fileChosen = false;
        s.currentFilePath = files::defaultFilePath(form_.programFolder());
    }
    form_.progress(7);
    s.userFileOpen = !files::isDefaultFilePath(s.currentFilePath);
    form_.progress(10);
    form_.progress(15);
    s.keyValueTable = std::move(*table);
    form_.progress(25);
    s.projectLoaded = true;
    return true;
}

void ProjectFileSteps::loadProjectIntoFields() {
    RunState& s = form_.model().state;
    ProjectRecord& r = form_.model().record;
    // A number saved with a point shows in the user's form (numbers::loadedNumberText).
    const auto load = [&](Field f) {
        const std::string value = files::lookupValue(s.keyValueTable, fieldKey(f));
        r.set(f,
              isNumberField(f) ? numbers::loadedNumberText(value, form_.model().locale()) : value);
    };

    s.recalcEnabled = false;
    for (auto i = index(Field::CustName); i <= index(Field::MaintPerHour); ++i) {
        load(static_cast<Field>(i));
    }
    form_.progress(30);
    for (auto i = index(Field::ContactElec); i <= index(Field::ShoeLife); ++i) {
        load(static_cast<Field>(i));
    }
    form_.progress(35);
    int progress = 35;
    for (const Motion m : kMotions) {
        for (auto i = index(motorField(m)); i <= index(distanceField(m)); ++i) {
            load(static_cast<Field>(i));
        }
        form_.model().updateDutyCycle(m);
        // The file's own fifth step replaces the one just computed.
        for (int step = 1; step <= 5; ++step) {
            load(dutyCycleField(m, step));
        }
        progress += 5;
        form_.progress(progress);
    }
    const auto size = readInt16(files::lookupValue(s.keyValueTable, "PrintFontSize"),
                                LocaleConventions::unitedStates());
    r.setPrintFont(files::lookupValue(s.keyValueTable, "PrintFontName"), size.value_or(0));
    checkPrintFont(applyPrintFont(r));
    // Nothing recalculates from the business case: loading it changes no saving.
    BusinessCaseInputs businessCase = files::readBusinessCase(s.keyValueTable);
    for (const CaseInput input : kCaseInputs) {
        if (isNumberInput(input)) {
            businessCase.set(
                input, numbers::loadedNumberText(businessCase.get(input), form_.model().locale()));
        }
    }
    r.businessCase() = std::move(businessCase);

    s.recalcEnabled = true;
    form_.recalculate();
}

std::optional<std::string> ProjectFileSteps::askNewFilePath() {
    const auto answer = form_.view().askText(texts::kNewFileNamePrompt);
    if (!answer || answer->empty()) {
        return std::nullopt;
    }
    if (const auto problem = files::newFileNameProblem(*answer)) {
        form_.message(texts::cannotUseName(*answer, *problem));
        return std::nullopt;
    }
    return files::newProjectFilePath(form_.programFolder(), *answer);
}

bool ProjectFileSteps::writeProjectFile() {
    RunState& s = form_.model().state;
    const RunState before = s;
    if (files::isDefaultFilePath(s.currentFilePath)) {
        const auto path = askNewFilePath();
        s.userFileOpen = path.has_value();
        if (path) {
            s.currentFilePath = *path;
            form_.view().setText({ctl::lblFileName}, s.currentFilePath);
        }
    } else {
        s.userFileOpen = true;
    }
    if (s.userFileOpen) {
        if (const auto failure = files::writeProjectFile(s.currentFilePath, form_.model().record,
                                                         form_.model().locale())) {
            form_.message(texts::cannotSave(*failure));
            if (s.currentFilePath != before.currentFilePath) {
                form_.view().setText({ctl::lblFileName}, before.currentFilePath);
            }
            s = before;
            return false;
        }
        form_.view().showStatus(texts::savedTo(s.currentFilePath));
    }
    s.projectLoaded = true;
    return s.userFileOpen;
}

bool ProjectFileSteps::ensureDefaultsRead() {
    if (!form_.model().state.projectLoaded && !readKeyValueFile()) {
        return false;
    }
    form_.model().state.userFileOpen = true;
    return true;
}

void ProjectFileSteps::loadTables() {
    if (tablesLoaded_) {
        return; // the lists are filled once per run
    }
    tablesLoaded_ = true;
    files::ReferenceTables tables = tables_();
    const auto report = [this](const files::TableProblems& problems) {
        for (const files::TableProblem& p : problems) {
            form_.message(texts::tableProblem(p));
        }
    };
    report(tables.problems[0]);
    report(tables.problems[1]);
    report(tables.problems[2]);
    form_.progress(60);
    report(tables.problems[3]);
    form_.progress(70);
    form_.setLists(std::move(tables.lists));
    const files::SelectionLists& l = form_.lists();
    form_.view().setListItems(controlOf(Field::cmbStateKw).name, l.cmbStateKw);
    form_.view().setListItems(controlOf(Field::BridgeNemaSize).name, l.cmbBridgeNemaSize);
    form_.view().setListItems(controlOf(Field::HoistNemaSize).name, l.cmbHoistNemaSize);
    form_.view().setListItems(controlOf(Field::TrolleyNemaSize).name, l.cmbTrolleyNemaSize);
    form_.view().setListItems(controlOf(Field::BrakeSize).name, l.cmbBrakeSize);
    form_.view().setListItems(controlOf(Field::HoistMotor).name, l.cmbHoistMotor);
    form_.view().setListItems(controlOf(Field::TrolleyMotor).name, l.cmbTrolleyMotor);
    form_.view().setListItems(controlOf(Field::BridgeMotor).name, l.cmbBridgeMotor);
}

void ProjectFileSteps::checkPrintFont(std::size_t menuIndex) {
    // Every check mark goes, then the chosen item gets one.
    for (std::size_t i = 0; i < kPrintFontChoices.size(); ++i) {
        form_.view().setChecked({ctl::mnuFont, static_cast<int>(i)}, false);
    }
    form_.view().setChecked({ctl::mnuFont, static_cast<int>(menuIndex)}, true);
}

} // namespace payvanta::ui
