#pragma once

#include "calc_steps.h"
#include "field.h"

namespace payvanta {

// How often the contact tips and the brake shoes are changed per year, derived from the
// lifts per turn and the part lives. Shared by the maintenance and inventory models.
struct ChangeOuts {
    // Contactor operations per day, as multiples of the lifts per turn: the hoist makes
    // 4 moves per lift, the travel motions 2, each move 2 operations, 3 turns a day.
    static constexpr double kHoistOperationsPerLift = 24;
    static constexpr double kTravelOperationsPerLift = 12;
    static constexpr double kDaysPerMonth = 30;
    static constexpr double kMonthsPerYear = 12;

    double hoist = 0;
    double trolley = 0;
    double bridge = 0;
    double shoes = 0;

    double of(Motion m) const {
        return m == Motion::Hoist ? hoist : m == Motion::Trolley ? trolley : bridge;
    }

    // Each rate rounded to one decimal, as displayed: tip life in days, in months, then
    // change-outs per year. Throws CalcStop when a field is not a number or a division
    // by zero occurs.
    static ChangeOuts compute(const calc::Reader& num);
};

// The rounding of the models: the value formatted with the given decimals and read back.
double roundTo(int decimals, double value);

} // namespace payvanta
