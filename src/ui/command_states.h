#pragma once

#include "controls.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace payvanta::ui {

// The states of the main form that decide which commands can be used.
enum class FormState : std::uint8_t {
    Start,       // no project yet
    Loading,     // a project is being created or opened (or its name asked for)
    ProjectOpen, // a project is open: every command but New and Existing
    Cancelled,   // the name question or the file dialog was cancelled
    Closing,     // the program is closing, the save question may be open
    Printing,    // a print run is under way
};

inline constexpr std::size_t kFormStateCount = 6;

// One command, menu, the tab strip or a frame, and whether it can be used in each state,
// in the order of FormState.
struct CommandStateRow {
    ControlRef control;
    std::array<bool, kFormStateCount> enabled;

    bool in(FormState state) const { return enabled[static_cast<std::size_t>(state)]; }
};

std::span<const CommandStateRow> commandStates();

} // namespace payvanta::ui
