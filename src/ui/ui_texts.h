#pragma once

#include "files/failure.h"
#include "files/file_naming.h"
#include "files/reference_tables.h"
#include "model/business_case_inputs.h"
#include "model/field.h"
#include "model/locale_conventions.h"
#include "reports/print_target.h"

#include <optional>
#include <string>
#include <string_view>

// The main form's own texts: messages, questions and captions. Each exists here once.
namespace payvanta::ui::texts {

inline constexpr std::string_view kApplicationTitle = "Stravolux_QVR";
inline constexpr std::string_view kSaveQuestion = "Would you like to save your work?";
inline constexpr std::string_view kNewFileNamePrompt =
    "Please enter the name of the new file. NOTE: The .QVR file extention will be added for you.";

inline constexpr std::string_view kBrakeShoeMinimum =
    "Brake Shoe Cost must have a value of at least 0.05.";
inline constexpr std::string_view kContactBridgeMinimum =
    "Bridge Contact Tip Cost must have a value of at least 0.05.";
inline constexpr std::string_view kContactHoistMinimum =
    "Hoist Contact Tip Cost must have a value of at least 0.05.";
inline constexpr std::string_view kContactTrolleyMinimum =
    "Trolley Contact Tip Cost must have a value of at least 0.05.";
inline constexpr std::string_view kContactElecMinimum =
    "Contactor Electrical Tip Life, No. of Operations must have a value of at least 500.";
inline constexpr std::string_view kNumLiftsMinimum =
    "Number of Lifts per Turn must have a value of at least 1.";
inline constexpr std::string_view kShoeLifeMinimum = "Shoe Life must have a value of at least 1.";
inline constexpr std::string_view kInvalidDutyCycles =
    "There are invalid amounts for one or more Duty Cycles, each Cycle can not be less than 0.25.";
inline constexpr std::string_view kDistanceLimit =
    "9999 is the biggest value allowed for this variable.";
inline constexpr std::string_view kNoneVolts =
    "When the motor type is NONE, then the Motor Volts must be set to 0.";
inline constexpr std::string_view kNoVolts =
    "The Number of Volts must be 1 or more, for the calculations to work.";
inline constexpr std::string_view kNoneMotorCount =
    "When the motor type is NONE, then the Number of Motors must be set to 1.";
inline constexpr std::string_view kNoMotorCountFirstLine =
    "The Number of Moters must be 1 or more, for the calculations to work.";
inline constexpr std::string_view kNoMotorCountSecondLine =
    "Select Motor Type NONE from the drop down list above to represent 0 motors.";

// "Hoist Duty Cycle 3 Must Have a Value."
std::string dutyCycleNoValue(Motion m, int step);
// "Trolley FPM Must Have a Value of at least 1."
std::string speedNoValue(Motion m);
// "Bridge FPM was set too high. The 5th Duty Cycle can not be 0 or less."
std::string speedTooHigh(Motion m);
// "Hoist Lift Distance Must Have a Value." / "Trolley Travel Distance Must Have a Value."
std::string distanceNoValue(Motion m);
// "Hoist Lift Distance was set too low. The 5th Duty Cycle can not be 0 or less."
std::string distanceTooLow(Motion m);
// "Hoist FLC Amps must have a value of at least 10."
std::string currentNoValue(Motion m);
// The two-line message of a motor count of 0.
std::string noMotorCount(std::string_view lineBreak);
// "Hoist NEMA Size must have a value of at least 1." / "Brake Size must ..."
std::string sizeListMinimum(Field sizeField);
// The message of a minimum check (NumLifts, ContactElec, tip costs, BrakeShoe).
std::string_view minimumMessage(Field field);

// A business-case input left holding what it cannot hold: "Drive Hardware must be a number
// from 0 to 100,000,000."
std::string caseInputRefused(CaseInput input, const LocaleConventions& locale);
// The check of a business-case input as it is left: its message when the text is no number
// or one outside its range, none when the input may be left (a value it can hold, or none
// entered). The desktop's and the browser's input panels both leave through it.
std::optional<std::string> caseInputLeft(CaseInput input, std::string_view text,
                                         const LocaleConventions& locale);

// A fault that stopped what the program was doing, caught before it could end the program.
std::string faultCaught(std::string_view what);

// A project or default file that could not be read, or saved.
std::string cannotRead(const files::Failure& failure);
std::string cannotSave(const files::Failure& failure);
// Why a typed name cannot be a file name.
std::string cannotUseName(std::string_view name, const files::FileNameProblem& problem);
// A reference table, or a row of one, that was left out.
std::string tableProblem(const files::TableProblem& problem);

// A print that failed: the printer's error 482; a PDF file that could not be written,
// by where it was to go and why ("The PDF could not be written to /home/ann/Printouts:
// Permission denied."); or any other failure by its number and description.
std::string printFailure(const reports::PrintFailure& failure);
// Where a print went, for the status bar.
std::string printedTo(std::string_view destination, bool file);
// A saved project, for the status bar.
std::string savedTo(std::string_view path);
// Why a project a later copy handed over was not opened.
std::string closeToOpen(std::string_view path);

} // namespace payvanta::ui::texts
