#pragma once

#include "business_case_inputs.h"
#include "savings_model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace payvanta {

// The business case of a retrofit: what it costs, when it pays back, what it returns over
// its life, what emissions it avoids, and how it holds when the electricity rate moves.
// It reads the project and what the last recalculation left, and changes neither.
//
// With S the yearly savings (the summary's total as shown: energy, maintenance labour
// and inventory), C the net cost (drive hardware + installation + engineering - rebate,
// to the cent), L the project life in whole years, r the discount rate and E the energy
// saved per year:
//
//   E              = (sum of the motions' savings per turn) x 3 turns x 356 days, in kWh
//   simple payback = C / S years; none when S <= 0; at once when C <= 0
//   ROI            = (S x L - C) / C; none when C <= 0
//   life savings   = S x L
//   NPV            = -C + sum over t = 1 .. L of S / (1 + r)^t
//   CO2 avoided    = E x factor (lb per kWh) x 0.00045359237 tonnes per lb, per year; x L
//                    over the life
//
// The rate sensitivity moves only the energy amount: at the project's rate changed by
// p percent the energy amount is rate x (1 + p / 100) x E, rounded to the cent as the
// summary rounds it, and the maintenance and inventory amounts stay as shown. The
// break-even rate is the rate at which the payback equals the life:
// (C / L - maintenance - inventory) / E.
//
// Every year of the life is taken to save what this year saves; nothing is escalated.
//
// Each input must lie in its range (caseInputRange), else the figures made of it say why
// there are none. Within the ranges no figure overflows but from yearly savings too large
// for a number, and such a figure says so (TooLarge) instead of being infinite.

inline constexpr double kDefaultProjectLife = 15; // years
inline constexpr double kDefaultDiscountRate = 8; // percent per year
// The U.S. average of all electricity generation in 2023: 0.81 lb CO2 per kWh (EIA).
inline constexpr double kDefaultCo2Factor = 0.81;
inline constexpr double kTonnesPerPound = 0.00045359237;
inline constexpr int kLongestLife = 100;

// Why a figure cannot be had.
enum class NoFigure : std::uint8_t {
    None,
    SavingsUnknown,  // the summary shows no amounts yet
    NoCost,          // no cost has been entered
    InputNotNumber,  // an input entered is not a number (Figure::input names it)
    InputOutOfRange, // an input entered is outside its range (Figure::input names it)
    TooLarge,        // the figure is too large for a number
    NoSavings,       // the yearly savings are zero
    NegativeSavings, // the yearly savings are below zero
    CostCovered,     // the net cost is zero or below: nothing to pay back or return on
    BadRate,         // the electricity rate is not a number
    NoEnergySaved,   // no energy is saved, so the rate cannot decide the payback
    AnyRate,         // the maintenance and inventory savings alone pay back within the life
};

// A figure, or why there is none.
struct Figure {
    std::optional<double> value;
    NoFigure why = NoFigure::None;
    CaseInput input = CaseInput::DriveCost; // the input at fault, for InputNotNumber and
                                            // InputOutOfRange

    static Figure of(double v) { return {v, NoFigure::None}; }
    static Figure none(NoFigure why) { return {std::nullopt, why}; }
    static Figure badInput(NoFigure why, CaseInput input) { return {std::nullopt, why, input}; }
    bool has() const { return value.has_value(); }
};

// One row of the rate sensitivity.
struct RateCase {
    int changePercent = 0; // -30 to +30
    Figure rate;           // dollars per kWh
    Figure yearlySavings;  // dollars
    Figure payback;        // years
};

struct BusinessCase {
    // The yearly amounts as the summary shows them.
    Figure energy;
    Figure maintenance;
    Figure inventory;
    Figure total;
    // The energy amount of each motion (by Motion), for the chart: rate x its kWh a year.
    std::array<double, 3> energyByMotion{};
    double kwhPerYear = 0;

    // The cost, each part as entered (none when not entered), and the net cost.
    std::array<Figure, 4> costParts; // drive hardware, installation, engineering, rebate
    Figure netCost;
    Figure life;         // years
    Figure discountRate; // percent
    Figure co2Factor;    // lb per kWh
    bool co2FactorEntered = false;

    Figure payback; // years
    Figure roi;     // percent
    Figure lifeSavings;
    Figure npv;
    Figure co2PerYear; // tonnes
    Figure co2OverLife;
    std::array<RateCase, 7> rateCases{};
    Figure breakEvenRate; // dollars per kWh

    // The cumulative cash flow at the end of year 0 (the cost) to year L: -C + S x t.
    // Without a cost entered it starts at 0; empty when S or L cannot be had.
    std::vector<double> cumulativeCashFlow;
};

BusinessCase computeBusinessCase(const SavingsModel& model);

// C / S years, or why there is none; 0 when the net cost is nothing or less.
Figure simplePayback(const Figure& netCost, const Figure& yearlySavings);

// A payback in whole years and months, the months rounded to the nearest; for 0 to
// kLongestPayback years.
struct YearsAndMonths {
    long long years = 0;
    int months = 0;
};
YearsAndMonths yearsAndMonths(double years);

// The longest payback told in years and months; a longer one is "more than 1,000 years".
inline constexpr int kLongestPayback = 1000;

// Whether a payback, as shown in years and months, is within a life of whole years: a
// payback shown as "3 years" is within a life of 3.
bool paysBackWithin(double paybackYears, double lifeYears);

} // namespace payvanta
