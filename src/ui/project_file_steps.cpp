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
        tables_ = [folder = form.programFolder] { return files::LoadReferenceTables(folder); };
    }
}

bool ProjectFileSteps::ReadKeyValueFile() {
    RunState& s = form_.model.state;
    form_.progress(1);
    const std::string path =
        s.FileChosen ? s.CurrentFilePath : files::defaultFilePath(form_.programFolder);
    // The file is read whole before anything changes, so a file that cannot be read
    // leaves the flags and the table as they were.
    files::Result<KeyValueTable> table = files::readProjectFile(path);
    if (!table) {
        form_.message(texts::cannotRead(table.failure()));
        return false;
    }
    form_.progress(4);
    if (s.CurrentFilePath.empty()) {
        s.FileChosen = false;
        s.CurrentFilePath = files::defaultFilePath(form_.programFolder);
    }
    form_.progress(7);
    s.UserFileOpen = !files::isDefaultFilePath(s.CurrentFilePath);
    form_.progress(10);
    form_.progress(15);
    s.keyValueTable = std::move(*table);
    form_.progress(25);
    s.ProjectLoaded = true;
    return true;
}

void ProjectFileSteps::LoadProjectIntoFields() {
    RunState& s = form_.model.state;
    ProjectRecord& r = form_.model.record;
    // A number saved with a point shows in the user's form (numbers::loadedNumberText).
    const auto load = [&](Field f) {
        const std::string value = files::LookupValue(s.keyValueTable, fieldKey(f));
        r.set(f, isNumberField(f) ? numbers::loadedNumberText(value, form_.model.locale()) : value);
    };

    s.RecalcEnabled = false;
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
        form_.model.UpdateDutyCycle(m);
        // The file's own fifth step replaces the one just computed.
        for (int step = 1; step <= 5; ++step) {
            load(dutyCycleField(m, step));
        }
        progress += 5;
        form_.progress(progress);
    }
    const auto size = readInt16(files::LookupValue(s.keyValueTable, "PrintFontSize"),
                                LocaleConventions::unitedStates());
    r.setPrintFont(files::LookupValue(s.keyValueTable, "PrintFontName"), size.value_or(0));
    checkPrintFont(ApplyPrintFont(r));
    // Nothing recalculates from the business case: loading it changes no saving.
    BusinessCaseInputs businessCase = files::readBusinessCase(s.keyValueTable);
    for (const CaseInput input : kCaseInputs) {
        if (isNumberInput(input)) {
            businessCase.set(
                input, numbers::loadedNumberText(businessCase.get(input), form_.model.locale()));
        }
    }
    r.businessCase() = std::move(businessCase);

    s.RecalcEnabled = true;
    form_.recalculate();
}

std::optional<std::string> ProjectFileSteps::askNewFilePath() {
    const auto answer = form_.view.askText(texts::kNewFileNamePrompt);
    if (!answer || answer->empty()) {
        return std::nullopt;
    }
    if (const auto problem = files::newFileNameProblem(*answer)) {
        form_.message(texts::cannotUseName(*answer, *problem));
        return std::nullopt;
    }
    return files::newProjectFilePath(form_.programFolder, *answer);
}

bool ProjectFileSteps::WriteProjectFile() {
    RunState& s = form_.model.state;
    const RunState before = s;
    if (files::isDefaultFilePath(s.CurrentFilePath)) {
        const auto path = askNewFilePath();
        s.UserFileOpen = path.has_value();
        if (path) {
            s.CurrentFilePath = *path;
            form_.view.setText({ctl::lblFileName}, s.CurrentFilePath);
        }
    } else {
        s.UserFileOpen = true;
    }
    if (s.UserFileOpen) {
        if (const auto failure = files::writeProjectFile(s.CurrentFilePath, form_.model.record,
                                                         form_.model.locale())) {
            form_.message(texts::cannotSave(*failure));
            if (s.CurrentFilePath != before.CurrentFilePath) {
                form_.view.setText({ctl::lblFileName}, before.CurrentFilePath);
            }
            s = before;
            return false;
        }
        form_.view.showStatus(texts::savedTo(s.CurrentFilePath));
    }
    s.ProjectLoaded = true;
    return s.UserFileOpen;
}

bool ProjectFileSteps::EnsureDefaultsRead() {
    if (!form_.model.state.ProjectLoaded && !ReadKeyValueFile()) {
        return false;
    }
    form_.model.state.UserFileOpen = true;
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
    form_.lists = std::move(tables.lists);
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

void ProjectFileSteps::checkPrintFont(std::size_t menuIndex) {
    // Every check mark goes, then the chosen item gets one.
    for (std::size_t i = 0; i < kPrintFontChoices.size(); ++i) {
        form_.view.setChecked({ctl::mnuFont, static_cast<int>(i)}, false);
    }
    form_.view.setChecked({ctl::mnuFont, static_cast<int>(menuIndex)}, true);
}

} // namespace payvanta::ui
