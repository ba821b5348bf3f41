#include "change_outs.h"

#include "number_text.h"

namespace payvanta {

using namespace calc;

double roundTo(int decimals, double value) {
    return numbers::roundHalfAway(finite(value), decimals);
}

namespace {

double tipChangesPerYear(double contactElec, double operationsPerDay) {
    const double lifeDays = div(contactElec, operationsPerDay);
    const double lifeMonths = div(lifeDays, ChangeOuts::kDaysPerMonth);
    return roundTo(1, div(ChangeOuts::kMonthsPerYear, lifeMonths));
}

} // namespace

ChangeOuts ChangeOuts::compute(const Reader& num) {
    const double lifts = num(Field::NumLifts);
    const double opsHoist = mul(lifts, kHoistOperationsPerLift);
    const double opsTrolley = mul(num(Field::NumLifts), kTravelOperationsPerLift);
    const double opsBridge = mul(num(Field::NumLifts), kTravelOperationsPerLift);
    ChangeOuts out;
    out.hoist = tipChangesPerYear(num(Field::ContactElec), opsHoist);
    out.trolley = tipChangesPerYear(num(Field::ContactElec), opsTrolley);
    out.bridge = tipChangesPerYear(num(Field::ContactElec), opsBridge);
    out.shoes = roundTo(1, div(kMonthsPerYear, div(num(Field::ShoeLife), kDaysPerMonth)));
    return out;
}

} // namespace payvanta
