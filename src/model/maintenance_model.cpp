#include "maintenance_model.h"

#include "calc_steps.h"
#include "change_outs.h"
#include "number_text.h"

namespace payvanta {

using namespace calc;

void MaintenanceModel::UpdateMaintenanceSavings(const ProjectRecord& record,
                                                const LocaleConventions& locale,
                                                std::string& lblSumaryMaintenance) {
    const Reader num(record, locale);
    try {
        MaintenanceSavingsTotal = 0;
        const ChangeOuts changes = ChangeOuts::compute(num);
        const double hoursHoist = roundTo(1, kHoistTipMinutes / 60);
        const double hoursTrolley = roundTo(1, kTravelTipMinutes / 60);
        const double hoursBridge = roundTo(1, kTravelTipMinutes / 60);

        struct TipLabour {
            Motion motion;
            double hours;
        };
        for (const TipLabour t : {TipLabour{Motion::Hoist, hoursHoist},
                                  TipLabour{Motion::Trolley, hoursTrolley},
                                  TipLabour{Motion::Bridge, hoursBridge}}) {
            if (num(motorVoltsField(t.motion)) != 0) {
                const double perMotor =
                    mul(mul(num(Field::MaintPerHour), t.hours), changes.of(t.motion));
                MaintenanceSavingsTotal = add(
                    MaintenanceSavingsTotal, roundTo(2, mul(num(numMotorField(t.motion)), perMotor)));
            }
        }
        // Brake shoes belong to the hoist; the labour is counted once, whatever the
        // number of hoist motors.
        if (num(Field::MotorVoltsHoist) != 0) {
            const double rate = add(num(Field::MaintPerHour), num(Field::MaintPerHour));
            MaintenanceSavingsTotal = add(MaintenanceSavingsTotal, roundTo(2, mul(rate, changes.shoes)));
        }
        lblSumaryMaintenance = numbers::format(MaintenanceSavingsTotal, numbers::kCurrency, locale);
    } catch (const std::exception&) {
        // Stop silently.
    }
}

} // namespace payvanta
