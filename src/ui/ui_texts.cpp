#include "ui_texts.h"

#include "reports/business_case_text.h"

namespace payvanta::ui::texts {

namespace {

std::string distanceName(Motion m) {
    return std::string(motionName(m)) +
           (m == Motion::Hoist ? " Lift Distance" : " Travel Distance");
}

} // namespace

std::string caseInputRefused(CaseInput input, const LocaleConventions& locale) {
    return std::string(caseInputRange(input).name) + " must be " +
           reports::inputRangeText(input, locale) + ".";
}

std::optional<std::string> caseInputLeft(CaseInput input, std::string_view text,
                                         const LocaleConventions& locale) {
    const InputState state = checkCaseInput(input, text, locale).state;
    if (state != InputState::NotNumber && state != InputState::OutOfRange) {
        return std::nullopt;
    }
    return caseInputRefused(input, locale);
}

std::string faultCaught(std::string_view what) {
    return "Payvanta could not finish what it was doing: " + std::string(what) +
           ". Your work is still open; save it before you go on.";
}

std::string dutyCycleNoValue(Motion m, int step) {
    return std::string(motionName(m)) + " Duty Cycle " + std::to_string(step) +
           " Must Have a Value.";
}

std::string speedNoValue(Motion m) {
    return std::string(motionName(m)) + " FPM Must Have a Value of at least 1.";
}

std::string speedTooHigh(Motion m) {
    return std::string(motionName(m)) +
           " FPM was set too high. The 5th Duty Cycle can not be 0 or less.";
}

std::string distanceNoValue(Motion m) {
    return distanceName(m) + " Must Have a Value.";
}

std::string distanceTooLow(Motion m) {
    return distanceName(m) + " was set too low. The 5th Duty Cycle can not be 0 or less.";
}

std::string currentNoValue(Motion m) {
    return std::string(motionName(m)) + " FLC Amps must have a value of at least 10.";
}

std::string noMotorCount(std::string_view lineBreak) {
    return std::string(kNoMotorCountFirstLine) + std::string(lineBreak) +
           std::string(kNoMotorCountSecondLine);
}

std::string sizeListMinimum(Field sizeField) {
    switch (sizeField) {
    case Field::BrakeSize:
        return "Brake Size must have a value of at least 1.";
    case Field::HoistNemaSize:
        return "Hoist NEMA Size must have a value of at least 1.";
    case Field::TrolleyNemaSize:
        return "Trolley NEMA Size must have a value of at least 1.";
    default:
        return "Bridge NEMA Size must have a value of at least 1.";
    }
}

std::string_view minimumMessage(Field field) {
    switch (field) {
    case Field::NumLifts:
        return kNumLiftsMinimum;
    case Field::ContactElec:
        return kContactElecMinimum;
    case Field::ContactHoist:
        return kContactHoistMinimum;
    case Field::ContactTrolley:
        return kContactTrolleyMinimum;
    case Field::ContactBridge:
        return kContactBridgeMinimum;
    default:
        return kBrakeShoeMinimum;
    }
}

std::string cannotRead(const files::Failure& failure) {
    return "The file \"" + failure.path + "\" could not be read: " + failure.reason + ".";
}

std::string cannotSave(const files::Failure& failure) {
    return "The file \"" + failure.path + "\" could not be saved: " + failure.reason +
           ". Nothing was written; your work is still open.";
}

std::string cannotUseName(std::string_view name, const files::FileNameProblem& problem) {
    using Kind = files::FileNameProblem::Kind;
    switch (problem.kind) {
    case Kind::ForbiddenCharacter:
        return "The name \"" + std::string(name) + "\" cannot be used for a file: it holds \"" +
               std::string(1, problem.character) +
               "\". Please choose a name without any of these characters: / \\ : * ? \" < > |";
    case Kind::ControlCharacter:
        return "The name cannot be used for a file: it holds a control character. Please choose "
               "a name made of letters, digits and spaces.";
    case Kind::DotsOnly:
        return "The name \"" + std::string(name) +
               "\" cannot be used for a file: it holds nothing but dots. Please choose a name "
               "made of letters, digits and spaces.";
    case Kind::TooLong:
        break;
    }
    return "The name \"" + std::string(name) +
           "\" is too long for a file name. Please choose a shorter name (at most " +
           std::to_string(files::kMaxNewFileNameBytes) + " letters, fewer with accented letters).";
}

std::string tableProblem(const files::TableProblem& problem) {
    using Kind = files::TableProblem::Kind;
    const auto fields = [](std::size_t n) {
        return std::to_string(n) + (n == 1 ? " field" : " fields");
    };
    switch (problem.kind) {
    case Kind::Unreadable:
        return "The table \"" + problem.failure.path +
               "\" could not be read: " + problem.failure.reason +
               ". Its selection list stays empty.";
    case Kind::ShortRow:
        return "Line " + std::to_string(problem.line) + " of " + problem.fileName + " has " +
               fields(problem.fields) + " where " + fields(problem.fieldsNeeded) +
               " are needed; the row is left out.";
    case Kind::MoreRowsSkipped:
        return problem.fileName + " has " + std::to_string(problem.rowsSkipped) +
               (problem.rowsSkipped == 1 ? " more row that cannot be read; it is"
                                         : " more rows that cannot be read; they are") +
               " left out too.";
    case Kind::UnknownDutyType:
        break;
    }
    return "Unknown Duty type: " + problem.dutyType + " in MillMoto.ini file.";
}

std::string printFailure(const reports::PrintFailure& failure) {
    if (failure.kind == reports::PrintFailure::Kind::Printer) {
        return "Unable to print, the following error was encountered. \n\n"
               "     Run time error 482 Printer error.\n\nHit OK to continue.";
    }
    if (failure.kind == reports::PrintFailure::Kind::File) {
        return "The PDF could not be written to " + failure.place + ": " + failure.description +
               ".";
    }
    return std::to_string(failure.number) + failure.description +
           " Please make a note of this and hit OK to continue.";
}

std::string printedTo(std::string_view destination, bool file) {
    return file ? savedTo(destination) : "Printed on " + std::string(destination);
}

std::string savedTo(std::string_view path) {
    return "Saved " + std::string(path);
}

std::string closeToOpen(std::string_view path) {
    // Close ends the program, asking to save first; the project opens at the next start.
    return std::string(path) +
           " was not opened: a project is already open. Save Data, then Close, and open it "
           "again.";
}

} // namespace payvanta::ui::texts
