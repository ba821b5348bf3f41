#include "command_states.h"

namespace payvanta::ui {

namespace {

// What the commands of each state are. New and Existing are the file commands; once a
// project is open they stay off for the rest of the run. Closing and printing switch off
// what a command started from an open project could interfere with.
//
// clang-format off
//                                     Start  Loading Open   Cancel Closing Printing
constexpr CommandStateRow kRows[] = {
    {{ctl::cmdNewFile},               {true,  false, false, true,  false, false}},
    {{ctl::cmdExistingFile},          {true,  false, false, true,  false, false}},
    {{ctl::mnuOpenNewFile},           {true,  false, false, true,  false, false}},
    {{ctl::mnuOpenExistingFile},      {true,  false, false, true,  false, false}},
    {{ctl::cmdSaveExcel},             {false, false, true,  false, false, false}},
    {{ctl::mnuSaveData},              {false, false, true,  false, false, false}},
    {{ctl::cmdPrintSummary},          {false, false, true,  false, false, false}},
    {{ctl::mnuPrintSummary},          {false, false, true,  false, false, false}},
    {{ctl::cmdPrintAll},              {false, false, true,  false, false, false}},
    {{ctl::mnuPrintAll},              {false, false, true,  false, false, false}},
    {{ctl::mnuSaveAsPdf},             {false, false, true,  false, false, false}},
    {{ctl::mnuSaveProposal},          {false, false, true,  false, false, false}},
    {{ctl::cmdPrintHelp},             {true,  false, true,  false, false, false}},
    {{ctl::mnuPrintHelpFile},         {true,  true,  true,  true,  true,  true}},
    {{ctl::cmdRealTimeSummary},       {true,  true,  true,  true,  true,  true}},
    {{ctl::cmdClose},                 {true,  false, true,  true,  false, false}},
    {{ctl::mnuExit},                  {true,  true,  true,  true,  true,  true}},
    {{ctl::TabStrip1},                {true,  false, true,  false, false, false}},
    {{ctl::mnuView},                  {false, false, true,  false, false, false}},
    {{ctl::mnuBusinessCase},          {false, false, true,  false, false, false}},
    {{ctl::mnuPrinterFonts},          {true,  false, true,  false, false, false}},
    // The help frame holds no project data: it is usable from the start. The data-entry
    // frames are locked until a project is open.
    {{ctl::Frame1, 1},                {true,  true,  true,  true,  true,  true}},
    {{ctl::Frame1, 2},                {false, false, true,  false, true,  true}},
    {{ctl::Frame1, 3},                {false, false, true,  false, true,  true}},
    {{ctl::Frame1, 4},                {false, false, true,  false, true,  true}},
    {{ctl::Frame1, 5},                {false, false, true,  false, true,  true}},
    {{ctl::Frame1, 6},                {false, false, true,  false, true,  true}},
};
// clang-format on

} // namespace

std::span<const CommandStateRow> commandStates() {
    return kRows;
}

} // namespace payvanta::ui
