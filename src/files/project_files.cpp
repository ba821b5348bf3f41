#include "project_files.h"

#include "file_naming.h"
#include "key_value_file.h"
#include "project_file_layout.h"
#include "text_encoding.h"
#include "text_file.h"

#include "model/print_font.h"

namespace payvanta::files {

ProjectFiles::ProjectFiles(SavingsModel& model, FileFlowHost& host,
                           std::filesystem::path programFolder)
    : model_(model), host_(host), programFolder_(std::move(programFolder)) {}

bool ProjectFiles::ReadKeyValueFile() {
    RunState& s = model_.state;
    host_.progress(1);
    const std::string path = s.FileChosen ? s.CurrentFilePath : defaultFilePath(programFolder_);
    // The file is read whole before anything changes, so a file that cannot be read
    // leaves the flags and the table as they were.
    FileRead read = readSmallTextFile(path, kMaxProjectFileBytes);
    if (!read) {
        host_.message(cannotReadMessage(path, read.reason));
        return false;
    }
    host_.progress(4);
    if (s.CurrentFilePath.empty()) {
        s.FileChosen = false;
        s.CurrentFilePath = defaultFilePath(programFolder_);
    }
    host_.progress(7);
    s.UserFileOpen = !isDefaultFilePath(s.CurrentFilePath);
    host_.progress(10);
    host_.progress(15);
    s.keyValueTable = parseKeyValueText(encoding::decodeFileText(*read.bytes));
    host_.progress(25);
    s.ProjectLoaded = true;
    return true;
}

void ProjectFiles::LoadProjectIntoFields() {
    RunState& s = model_.state;
    ProjectRecord& r = model_.record;
    const auto load = [&](Field f) { r.set(f, LookupValue(s.keyValueTable, fieldKey(f))); };

    s.RecalcEnabled = false;
    for (auto i = index(Field::CustName); i <= index(Field::MaintPerHour); ++i) {
        load(static_cast<Field>(i));
    }
    host_.progress(30);
    for (auto i = index(Field::ContactElec); i <= index(Field::ShoeLife); ++i) {
        load(static_cast<Field>(i));
    }
    host_.progress(35);
    int progress = 35;
    for (const Motion m : kMotions) {
        for (auto i = index(motorField(m)); i <= index(distanceField(m)); ++i) {
            load(static_cast<Field>(i));
        }
        model_.UpdateDutyCycle(m);
        // The file's own fifth step replaces the one just computed.
        for (int step = 1; step <= 5; ++step) {
            load(dutyCycleField(m, step));
        }
        progress += 5;
        host_.progress(progress);
    }
    const auto size = readInt16(LookupValue(s.keyValueTable, "PrintFontSize"),
                                LocaleConventions::unitedStates());
    r.setPrintFont(LookupValue(s.keyValueTable, "PrintFontName"), size.value_or(0));
    host_.printFontChecked(ApplyPrintFont(r));

    s.RecalcEnabled = true;
    model_.RecalculateAll();
    host_.recalculated();
}

bool ProjectFiles::WriteProjectFile() {
    RunState& s = model_.state;
    const RunState before = s;
    bool refused = false;
    if (isDefaultFilePath(s.CurrentFilePath)) {
        const auto answer = host_.askText(kNewFileNamePrompt);
        const auto problem = answer ? newFileNameProblem(*answer) : std::nullopt;
        if (problem) {
            host_.message(*problem);
            refused = true;
        }
        if (!answer || answer->empty() || problem) {
            s.UserFileOpen = false;
        } else {
            s.CurrentFilePath = newProjectFilePath(programFolder_, *answer);
            host_.fileNameShown(s.CurrentFilePath);
            s.UserFileOpen = true;
        }
    } else {
        s.UserFileOpen = true;
    }
    if (s.UserFileOpen) {
        const auto failure = replaceFileAtomically(
            s.CurrentFilePath, encodeProjectFile(projectFileText(model_.record)));
        if (failure) {
            host_.message(cannotSaveMessage(s.CurrentFilePath, *failure));
            if (s.CurrentFilePath != before.CurrentFilePath) {
                host_.fileNameShown(before.CurrentFilePath);
            }
            s = before;
            return false;
        }
    }
    s.ProjectLoaded = true;
    // A refused name wrote nothing, and the user was told why.
    return !refused;
}

bool ProjectFiles::EnsureDefaultsRead() {
    if (!model_.state.ProjectLoaded && !ReadKeyValueFile()) {
        return false;
    }
    model_.state.UserFileOpen = true;
    return true;
}

} // namespace payvanta::files
