#include "maintenance_model.h"

#include "calc_steps.h"
#include "change_outs.h"

namespace payvanta {

using namespace calc;

bool MaintenanceModel::updateMaintenanceSavings(const ProjectRecord& record,
                                                const LocaleConventions& locale) {
    const Reader num(record, locale);
    try {
        maintenanceSavingsTotal = 0;
        const ChangeOuts changes = ChangeOuts::compute(num);
        const double hoursHoist = roundTo(1, kHoistTipMinutes / 60);
        const double hoursTrolley = roundTo(1, kTravelTipMinutes / 60);
        const double hoursBridge = roundTo(1, kTravelTipMinutes / 60);

        struct TipLabour {
            Motion motion;
            double hours;
        };
        for (const TipLabour t :
             {TipLabour{Motion::Hoist, hoursHoist}, TipLabour{Motion::Trolley, hoursTrolley},
              TipLabour{Motion::Bridge, hoursBridge}}) {
            if (num(motorVoltsField(t.motion)) != 0) {
                const double perMotor =
                    mul(mul(num(Field::MaintPerHour), t.hours), changes.of(t.motion));
                maintenanceSavingsTotal =
                    add(maintenanceSavingsTotal,
                        roundTo(2, mul(num(numMotorField(t.motion)), perMotor)));
            }
        }
        // Brake shoes belong to the hoist; a change-out takes two hours of labour, counted
        // once, whatever the number of hoist motors.
        if (num(Field::MotorVoltsHoist) != 0) {
            const double rate = add(num(Field::MaintPerHour), num(Field::MaintPerHour));
            maintenanceSavingsTotal =
                add(maintenanceSavingsTotal, roundTo(2, mul(rate, changes.shoes)));
        }
        return true;
    } catch (const CalcStop&) {
        return false; // stop silently
    }
}

} // namespace payvanta
