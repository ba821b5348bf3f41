#include "form_fixture.h"
#include "support/locales.h"

#include <cctype>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

using namespace payvanta;
using namespace payvanta::test;
using V = std::vector<std::string>;

namespace {

class FieldCheckTest : public FormTest {
protected:
    using FormTest::FormTest;
    void SetUp() override { openProject(); }

    // What a check shows and moves: messages, focus and tab moves, and the texts written
    // into the field itself, in order.
    V checkLog(Field field) const {
        return view.linesStartingWith(
            {"message ", "focus ", "tab ", "text " + ui::controlName(c(field)) + "="});
    }
    V leaveLog(Field field) {
        view.clearLog();
        leave(c(field));
        return checkLog(field);
    }
};

// One field left: what is typed into it (or, after "=", the text code set in it, so that
// it is not the field typed in last), what the check does in order ("6" the tab, "F" the
// focus back to the field, "M" the message, "=1" the text put back), the message, and
// another field set first.
struct LeaveCase {
    Field field;
    std::string keys;
    std::string does;
    std::string message;
    std::pair<Field, const char*> first{Field::CustName, "Example Steel"};
};

class LeaveCheck : public FieldCheckTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveCheck, shows_its_message_moves_back_and_puts_a_value_back_in_order) {
    const LeaveCase& p = GetParam();
    form.writeField(p.first.first, p.first.second);
    if (p.keys.starts_with('=')) {
        form.writeField(p.field, p.keys.substr(1));
    } else {
        typeOver(c(p.field), p.keys);
    }
    const std::string name = ui::controlName(c(p.field));
    V expected;
    std::istringstream steps(p.does);
    for (std::string step; steps >> step;) {
        expected.push_back(step == "F"      ? "focus " + name
                           : step == "M"    ? "message " + p.message
                           : step[0] == '=' ? "text " + name + step
                                            : "tab " + step);
    }
    EXPECT_EQ(leaveLog(p.field), expected);
}

const char* const kNone = "Frame NONE Motor 0HP";
const char* const kInvalidSteps = "There are invalid amounts for one or more Duty Cycles, each "
                                  "Cycle can not be less than 0.25.";
const char* const kNoMotors =
    "The Number of Moters must be 1 or more, for the calculations to work.\r\nSelect Motor "
    "Type NONE from the drop down list above to represent 0 motors.";

INSTANTIATE_TEST_SUITE_P(
    Fields, LeaveCheck,
    ::testing::Values(
        // Minimum checks: every time the field is left, typed in last or not.
        LeaveCase{Field::ContactHoist, "0.05", "", ""},
        LeaveCase{Field::ContactHoist, "0.049", "6 F M =0.05",
                  "Hoist Contact Tip Cost must have a value of at least 0.05."},
        LeaveCase{Field::ContactTrolley, ".", "6 F M =0.05",
                  "Trolley Contact Tip Cost must have a value of at least 0.05."},
        LeaveCase{Field::ContactBridge, "=0", "6 F M =0.05",
                  "Bridge Contact Tip Cost must have a value of at least 0.05."},
        LeaveCase{Field::BrakeShoe, "\b\b\b\b\b\b", "6 F M =0.05",
                  "Brake Shoe Cost must have a value of at least 0.05."},
        LeaveCase{Field::ContactElec, "=499", "6 F M =500",
                  "Contactor Electrical Tip Life, No. of Operations must have a value of at "
                  "least 500."},
        LeaveCase{Field::ContactElec, "500", "", ""},
        LeaveCase{Field::NumLifts, "0", "2 F M =1",
                  "Number of Lifts per Turn must have a value of at least 1."},
        LeaveCase{Field::NumLifts, "1", "", ""},
        LeaveCase{Field::ShoeLife, "\b\b\b", "6 F M =1",
                  "Shoe Life must have a value of at least 1."},
        LeaveCase{Field::MaintPerHour, ".", "=0", ""},
        LeaveCase{Field::MaintPerHour, "0.5", "", ""},
        // Speed: 30 feet at 450 feet a minute leave no fifth step, nor does a fifth step
        // that is no number; a speed set by code is checked only when empty.
        LeaveCase{Field::HoistFPMTrolley, "450", "4 F M",
                  "Trolley FPM was set too high. The 5th Duty Cycle can not be 0 or less."},
        LeaveCase{Field::HoistFPMHoist,
                  "x",
                  "3 F M",
                  "Hoist FPM was set too high. The 5th Duty Cycle can not be 0 or less.",
                  {Field::DutyCycleHoist5, "n/a"}},
        LeaveCase{Field::HoistFPMHoist, "0.5", "", ""},
        LeaveCase{Field::HoistFPMBridge, "0", "5 F =1 M",
                  "Bridge FPM Must Have a Value of at least 1."},
        LeaveCase{Field::HoistFPMHoist, "=", "=1 M", "Hoist FPM Must Have a Value of at least 1."},
        LeaveCase{Field::HoistFPMHoist, "=0", "", ""},
        // Distance.
        LeaveCase{Field::LiftDistanceTrolley, "\b\b\b", "M 4 F",
                  "Trolley Travel Distance Must Have a Value."},
        LeaveCase{Field::LiftDistanceHoist, "4", "M 3 F",
                  "Hoist Lift Distance was set too low. The 5th Duty Cycle can not be 0 or less."},
        // Duty-cycle steps: the step left is put back, also when another step is wrong.
        LeaveCase{Field::DutyCycleHoist2, "0.2", "3 F =0.25 M", kInvalidSteps},
        LeaveCase{Field::DutyCycleBridge4,
                  "2",
                  "5 F =0.25 M",
                  kInvalidSteps,
                  {Field::DutyCycleBridge1, "0.1"}},
        LeaveCase{Field::DutyCycleHoist3, "\b", "3 F =0.25 M",
                  "Hoist Duty Cycle 3 Must Have a Value."},
        LeaveCase{Field::DutyCycleTrolley1, "=", "=0.25 M",
                  "Trolley Duty Cycle 1 Must Have a Value."},
        // Full-load current.
        LeaveCase{Field::MotorFLCAmpsHoist, "5", "", ""},
        LeaveCase{Field::MotorFLCAmpsBridge, "0", "5 F M =10",
                  "Bridge FLC Amps must have a value of at least 10."},
        LeaveCase{Field::MotorFLCAmpsHoist, "=", "M =10",
                  "Hoist FLC Amps must have a value of at least 10."},
        // Volts: 0 with a NONE motor (in capitals), at least 1 with any other.
        LeaveCase{Field::MotorVoltsTrolley,
                  "230",
                  "=0 M 4 F",
                  "When the motor type is NONE, then the Motor Volts must be set to 0.",
                  {Field::TrolleyMotor, kNone}},
        LeaveCase{Field::MotorVoltsTrolley, "0", "", "", {Field::TrolleyMotor, kNone}},
        LeaveCase{Field::MotorVoltsHoist,
                  "0",
                  "M =1 3 F",
                  "The Number of Volts must be 1 or more, for the calculations to work.",
                  {Field::HoistMotor, "None"}},
        // Number of motors: checked only when typed in last.
        LeaveCase{Field::NumMotorBridge,
                  "3",
                  "=1 M 5 F",
                  "When the motor type is NONE, then the Number of Motors must be set to 1.",
                  {Field::BridgeMotor, kNone}},
        LeaveCase{Field::NumMotorTrolley, "0", "M =1 4 F", kNoMotors},
        LeaveCase{Field::NumMotorHoist, "\b", "=0 M =1 3 F", kNoMotors},
        LeaveCase{Field::NumMotorHoist, "=", "", ""}),
    [](const ::testing::TestParamInfo<LeaveCase>& info) {
        std::string name = std::to_string(info.index) + "_";
        for (const char ch : fieldKey(info.param.field)) {
            if (std::isalnum(static_cast<unsigned char>(ch))) {
                name += ch;
            }
        }
        return name;
    });

class GermanFieldCheckTest : public FieldCheckTest {
protected:
    GermanFieldCheckTest() : FieldCheckTest(test::german()) {}
};

TEST_F(GermanFieldCheckTest, a_lone_comma_is_what_a_lone_point_is_in_the_united_states) {
    // Field, keys, message (empty: none), text after leaving.
    const std::tuple<Field, const char*, std::string, const char*> cases[] = {
        {Field::ContactHoist, "0,049", "Hoist Contact Tip Cost must have a value of at least 0.05.",
         "0,05"},
        {Field::ContactTrolley, ",", "Trolley Contact Tip Cost must have a value of at least 0.05.",
         "0,05"},
        {Field::ContactBridge, "0,05", "", "0,05"},
        {Field::MaintPerHour, ",", "", "0"},
        {Field::DutyCycleHoist3, ",", "Hoist Duty Cycle 3 Must Have a Value.", "0,25"},
        {Field::HoistFPMBridge, ",", "Bridge FPM Must Have a Value of at least 1.", "1"}};
    for (const auto& [field, keys, message, after] : cases) {
        typeOver(c(field), keys);
        view.clearLog();
        leave(c(field));
        EXPECT_EQ(view.messages(), message.empty() ? V{} : V{message}) << keys;
        EXPECT_EQ(text(field), after) << keys;
    }
}

TEST_F(FieldCheckTest, an_empty_distance_passed_through_gets_ten_and_no_recalculation) {
    form.textChanged(c(Field::HoistFPMHoist), "60");
    form.writeField(Field::LiftDistanceBridge, "");
    const std::string energyBefore = form.model().summary.lblSummaryEnergy;
    EXPECT_EQ(
        leaveLog(Field::LiftDistanceBridge),
        (V{"message Bridge Travel Distance Must Have a Value.", "text txtLiftDistanceBridge=10"}));
    // The duty cycle follows the new distance; the summary waits for the next change.
    EXPECT_EQ(text(Field::DutyCycleBridge5), "6");
    EXPECT_EQ(form.model().summary.lblSummaryEnergy, energyBefore);
    EXPECT_TRUE(form.model().state.recalcEnabled);
    form.realTimeSummary();
    EXPECT_NE(form.model().summary.lblSummaryEnergy, energyBefore);
}

TEST_F(FieldCheckTest, leaving_a_field_again_after_typing_elsewhere_runs_only_the_empty_check) {
    // A step of the same motion counts as the same tracked field; the step put back runs
    // its reaction: 30 - 0.2 - 1 - 1 - 0.25 seconds remain.
    typeOver(c(Field::DutyCycleBridge1), "0.2");
    leave(c(Field::DutyCycleBridge4));
    EXPECT_EQ(text(Field::DutyCycleBridge4), "0.25");
    EXPECT_EQ(text(Field::DutyCycleBridge5), "27.55");
    typeOver(c(Field::HoistFPMHoist), "450"); // leaves no fifth step
    EXPECT_EQ(leaveLog(Field::HoistFPMHoist).size(), 3u);
    type(c(Field::LiftDistanceHoist), "x"); // a key in another tracked field
    EXPECT_EQ(leaveLog(Field::HoistFPMHoist), V{});
}

TEST_F(FieldCheckTest, a_distance_above_9999_is_capped_with_message_inside_its_own_reaction) {
    typeOver(c(Field::LiftDistanceBridge), "1234");
    EXPECT_EQ(view.messages(), V{});
    view.clearLog();
    type(c(Field::LiftDistanceBridge), "5");
    // Message, put-back, the nested reaction's duty cycle and summary, then the outer
    // reaction's duty cycle again: 9999 feet at 60 feet a minute leave 9995 seconds.
    const auto lines =
        view.linesStartingWith({"message", "text txtLiftDistanceBridge",
                                "text txtDutyCycleBridge(5)", "text lblSummaryTotal"});
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "message 9999 is the biggest value allowed for this variable.");
    EXPECT_EQ(lines[1], "text txtLiftDistanceBridge=9999");
    EXPECT_EQ(lines[2].rfind("text txtDutyCycleBridge(5)=", 0), 0u);
    EXPECT_EQ(lines.back(), "text txtDutyCycleBridge(5)=9995");
    EXPECT_EQ(view.linesStartingWith({"text lblSummaryTotal"}).size(), 1u);
    EXPECT_EQ(text(Field::LiftDistanceBridge), "9999");
}

TEST_F(FieldCheckTest, a_motor_count_is_written_in_its_whole_number_form_as_it_changes) {
    for (const auto& [typed, shown] : std::vector<std::pair<const char*, const char*>>{
             {"07", "7"}, {"00", "0"}, {"12", "12"}, {"3276799", "32767"}}) {
        typeOver(c(Field::NumMotorHoist), typed);
        EXPECT_EQ(text(Field::NumMotorHoist), shown);
    }
    EXPECT_EQ(controlText(c(Field::NumMotorHoist)), "32767"); // written back by the form
    typeOver(c(Field::NumMotorHoist), "4000");
    type(c(Field::NumMotorHoist), "0");
    EXPECT_EQ(text(Field::NumMotorHoist), "4000");
}

TEST_F(FieldCheckTest, the_rate_counts_once_left_a_speed_at_every_key_the_customer_when_entered) {
    std::string before = form.model().summary.lblSummaryEnergy;
    typeOver(c(Field::KwHrRate), "0.2");
    EXPECT_EQ(form.model().summary.lblSummaryEnergy, before);
    leave(c(Field::KwHrRate));
    EXPECT_NE(form.model().summary.lblSummaryEnergy, before);

    before = view.texts["lblSummaryTotal"];
    type(c(Field::HoistFPMHoist), "0"); // 600 feet a minute
    EXPECT_EQ(text(Field::DutyCycleHoist5), "-1");
    EXPECT_NE(view.texts["lblSummaryTotal"], before);

    form.writeField(Field::KwHrRate, "0.3"); // no change reaction of its own
    before = form.model().summary.lblSummaryTotal;
    form.controlEntered(c(Field::CustName));
    EXPECT_NE(form.model().summary.lblSummaryTotal, before);
}

TEST_F(FieldCheckTest, a_typed_text_is_not_written_back_into_its_own_control) {
    typeOver(c(Field::ProjName), "Crane 2");
    EXPECT_EQ(view.linesStartingWith({"text txtProjName"}), V{});
}

} // namespace
