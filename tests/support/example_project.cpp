#include "support/example_project.h"

namespace payvanta::test {

void fillCompleteProject(ProjectRecord& r) {
    r.set(Field::CustName, "Example Steel");
    r.set(Field::ProjName, "Crane 1");
    r.set(Field::cmbStateKw, "PA");
    r.set(Field::KwHrRate, "0.10");
    r.set(Field::NumLifts, "10");
    r.set(Field::MaintPerHour, "50");
    r.set(Field::ContactElec, "1000000");
    r.set(Field::ContactMech, "1000000");
    r.set(Field::HoistNemaSize, "2");
    r.set(Field::ContactHoist, "25");
    r.set(Field::TrolleyNemaSize, "2");
    r.set(Field::ContactTrolley, "20");
    r.set(Field::BridgeNemaSize, "2");
    r.set(Field::ContactBridge, "20");
    r.set(Field::BrakeSize, "13");
    r.set(Field::BrakeShoe, "40");
    r.set(Field::ShoeLife, "180");
    for (const Motion m : kMotions) {
        r.set(motorField(m), "Frame 806 Motor 20HP");
        r.set(numMotorField(m), "1");
        r.set(motorVoltsField(m), "230");
        r.set(motorFLCAmpsField(m), "100");
        r.set(speedField(m), "60");
        r.set(distanceField(m), "30");
        for (int step = 1; step <= 4; ++step) {
            r.set(dutyCycleField(m, step), "1");
        }
        r.set(dutyCycleField(m, 5), "26");
    }
    r.setPrintFont("MS Sans Serif", 8);
}

void removeMotor(ProjectRecord& r, Motion m) {
    r.set(motorField(m), "Frame NONE Motor 0HP");
    r.set(motorVoltsField(m), "0");
    r.set(numMotorField(m), "1");
}

} // namespace payvanta::test
