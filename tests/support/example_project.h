#pragma once

#include "model/project_record.h"

namespace payvanta::test {

// One 230 V motor of 100 A on every motion, steps 1, 1, 1, 1 and 26 seconds, one motor
// each, 10 lifts per turn, 0.10 dollars per kW-hr; the part lives and costs of the
// worked examples (tip life 1000000, shoe life 180, labour 50, tips 25, 20, 20, shoes
// 40). Every model can run on it.
void fillCompleteProject(ProjectRecord& record);

// Gives a motion no motor: description NONE, 0 volts.
void removeMotor(ProjectRecord& record, Motion m);

} // namespace payvanta::test
