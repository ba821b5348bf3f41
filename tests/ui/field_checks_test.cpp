#include "form_fixture.h"
#include "ui/ui_texts.h"

#include <gtest/gtest.h>

using namespace payvanta;
using namespace payvanta::test;
using V = std::vector<std::string>;

namespace {

// What a check shows and moves: messages, focus and tab moves, and the texts written
// into the field itself.
class FieldCheckTest : public FormTest {
protected:
    using FormTest::FormTest;
    void SetUp() override { openProject(); }

    V checkLog(Field field) const {
        const std::string own = "text " + ui::controlName(c(field)) + "=";
        V out;
        for (const auto& line : view.log) {
            if (line.rfind("message ", 0) == 0 || line.rfind("focus ", 0) == 0 ||
                line.rfind("tab ", 0) == 0 || line.rfind(own, 0) == 0) {
                out.push_back(line);
            }
        }
        return out;
    }
    void clear() { view.clearLog(); }
};

// ---- Minimum checks -------------------------------------------------------------

struct MinimumCase {
    Field field;
    const char* typed;
    const char* message; // empty: accepted
    const char* putBack;
};

class MinimumCheck : public FieldCheckTest, public ::testing::WithParamInterface<MinimumCase> {};

TEST_P(MinimumCheck, refuses_a_value_below_the_limit_with_its_message_and_puts_the_limit_back) {
    const auto& p = GetParam();
    typeOver(c(p.field), p.typed);
    clear();
    leave(c(p.field));
    const std::string name = ui::controlName(c(p.field));
    if (std::string(p.message).empty()) {
        EXPECT_EQ(checkLog(p.field), V{});
        EXPECT_EQ(text(p.field), p.typed);
    } else {
        const std::string tab = ui::tabOf(p.field) == 2 ? "tab 2" : "tab 6";
        EXPECT_EQ(checkLog(p.field), (V{tab, "focus " + name, std::string("message ") + p.message,
                                        "text " + name + "=" + p.putBack}));
        EXPECT_EQ(text(p.field), p.putBack);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MinimumCheck,
    ::testing::Values(
        MinimumCase{Field::ContactHoist, "0.05", "", ""},
        MinimumCase{Field::ContactHoist, "0.049",
                    "Hoist Contact Tip Cost must have a value of at least 0.05.", "0.05"},
        MinimumCase{Field::ContactTrolley, ".",
                    "Trolley Contact Tip Cost must have a value of at least 0.05.", "0.05"},
        MinimumCase{Field::ContactBridge, "0",
                    "Bridge Contact Tip Cost must have a value of at least 0.05.", "0.05"},
        MinimumCase{Field::BrakeShoe, "\b\b\b\b\b\b",
                    "Brake Shoe Cost must have a value of at least 0.05.", "0.05"},
        MinimumCase{Field::ContactElec, "499",
                    "Contactor Electrical Tip Life, No. of Operations must have a value of at "
                    "least 500.",
                    "500"},
        MinimumCase{Field::ContactElec, "500", "", ""},
        MinimumCase{Field::NumLifts, "0",
                    "Number of Lifts per Turn must have a value of at least 1.", "1"},
        MinimumCase{Field::NumLifts, "1", "", ""}));

TEST_F(FieldCheckTest, a_minimum_check_runs_every_time_the_field_is_left) {
    typeOver(c(Field::ContactElec), "10");
    type(c(Field::HoistFPMHoist), "5"); // another tracked field typed in last
    clear();
    leave(c(Field::ContactElec));
    EXPECT_EQ(text(Field::ContactElec), "500");
}

TEST_F(FieldCheckTest, a_shoe_life_of_zero_becomes_one_after_the_message) {
    for (const char* typed : {"0", "00", "\b\b\b"}) {
        typeOver(c(Field::ShoeLife), typed);
        clear();
        leave(c(Field::ShoeLife));
        EXPECT_EQ(checkLog(Field::ShoeLife),
                  (V{"tab 6", "focus txtShoeLife",
                     "message Shoe Life must have a value of at least 1.", "text txtShoeLife=1"}))
            << typed;
    }
}

TEST_F(FieldCheckTest, a_labour_rate_left_empty_or_as_a_point_becomes_zero_without_message) {
    typeOver(c(Field::MaintPerHour), ".");
    clear();
    leave(c(Field::MaintPerHour));
    EXPECT_EQ(checkLog(Field::MaintPerHour), V{"text txtMaintPerHour=0"});
    typeOver(c(Field::MaintPerHour), "0.5");
    clear();
    leave(c(Field::MaintPerHour));
    EXPECT_EQ(checkLog(Field::MaintPerHour), V{});
}

class GermanFieldCheckTest : public FieldCheckTest {
protected:
    GermanFieldCheckTest() : FieldCheckTest(LocaleConventions::german()) {}
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
        clear();
        leave(c(field));
        EXPECT_EQ(view.messages(), message.empty() ? V{} : V{message}) << keys;
        EXPECT_EQ(text(field), after) << keys;
    }
}

// ---- Speed ----------------------------------------------------------------------

TEST_F(FieldCheckTest, a_small_speed_and_a_small_current_pass_without_message) {
    typeOver(c(Field::HoistFPMHoist), "0.5");
    leave(c(Field::HoistFPMHoist));
    typeOver(c(Field::MotorFLCAmpsHoist), "5");
    leave(c(Field::MotorFLCAmpsHoist));
    EXPECT_EQ(view.messages(), V{});
}

TEST_F(FieldCheckTest, a_speed_that_leaves_no_fifth_step_is_sent_back_and_kept) {
    // 30 feet at 450 feet a minute take 4 seconds: nothing is left for the fifth step.
    typeOver(c(Field::HoistFPMTrolley), "450");
    EXPECT_EQ(text(Field::DutyCycleTrolley5), "0");
    clear();
    leave(c(Field::HoistFPMTrolley));
    EXPECT_EQ(
        checkLog(Field::HoistFPMTrolley),
        (V{"tab 4", "focus txtHoistFPMTrolley",
           "message Trolley FPM was set too high. The 5th Duty Cycle can not be 0 or less."}));
    EXPECT_EQ(text(Field::HoistFPMTrolley), "450");
}

TEST_F(FieldCheckTest, a_typed_speed_without_value_gets_one_back_with_its_message) {
    typeOver(c(Field::HoistFPMBridge), "0");
    clear();
    leave(c(Field::HoistFPMBridge));
    EXPECT_EQ(checkLog(Field::HoistFPMBridge),
              (V{"tab 5", "focus txtHoistFPMBridge", "text txtHoistFPMBridge=1",
                 "message Bridge FPM Must Have a Value of at least 1."}));
}

TEST_F(FieldCheckTest, an_empty_speed_passed_through_gets_one_without_moving_the_focus) {
    typeOver(c(Field::HoistFPMHoist), "\b\b");
    type(c(Field::NumMotorHoist), "1"); // typed elsewhere since
    clear();
    leave(c(Field::HoistFPMHoist));
    EXPECT_EQ(checkLog(Field::HoistFPMHoist),
              (V{"text txtHoistFPMHoist=1", "message Hoist FPM Must Have a Value of at least 1."}));
    // Passing through a field that holds a value does nothing.
    clear();
    leave(c(Field::HoistFPMHoist));
    EXPECT_EQ(checkLog(Field::HoistFPMHoist), V{});
}

TEST_F(FieldCheckTest, a_fifth_step_that_is_no_number_counts_as_spent) {
    form.model().record.set(Field::DutyCycleHoist5, "n/a"); // as a hand-edited file may hold
    type(c(Field::HoistFPMHoist), "x");                     // discarded, but remembered
    clear();
    leave(c(Field::HoistFPMHoist));
    EXPECT_EQ(view.messages(),
              V{"Hoist FPM was set too high. The 5th Duty Cycle can not be 0 or less."});
}

// ---- Distance -------------------------------------------------------------------

TEST_F(FieldCheckTest, a_distance_above_9999_is_capped_with_message_at_the_fifth_digit) {
    typeOver(c(Field::LiftDistanceHoist), "1234");
    EXPECT_EQ(view.messages(), V{});
    type(c(Field::LiftDistanceHoist), "5");
    EXPECT_EQ(view.messages(), V{"9999 is the biggest value allowed for this variable."});
    EXPECT_EQ(text(Field::LiftDistanceHoist), "9999");
    EXPECT_EQ(controlText(c(Field::LiftDistanceHoist)), "9999");
    // 9999 feet at 60 feet a minute: 9999 seconds of travel.
    EXPECT_EQ(text(Field::DutyCycleHoist5), "9995");
}

TEST_F(FieldCheckTest, the_put_back_9999_runs_the_distance_reaction_again_inside_the_first) {
    typeOver(c(Field::LiftDistanceBridge), "1234");
    clear();
    type(c(Field::LiftDistanceBridge), "5");
    // Message, put-back, then the nested reaction's duty cycle and summary, then the
    // outer reaction's duty cycle again.
    const auto lines =
        view.linesStartingWith({"message", "text txtLiftDistanceBridge",
                                "text txtDutyCycleBridge(5)", "text lblSummaryTotal"});
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "message 9999 is the biggest value allowed for this variable.");
    EXPECT_EQ(lines[1], "text txtLiftDistanceBridge=9999");
    EXPECT_EQ(lines[2].rfind("text txtDutyCycleBridge(5)=", 0), 0u);
    EXPECT_EQ(lines.back(), "text txtDutyCycleBridge(5)=9995");
    EXPECT_EQ(view.linesStartingWith({"text lblSummaryTotal"}).size(), 1u);
}

TEST_F(FieldCheckTest, an_empty_distance_passed_through_gets_ten_and_no_recalculation) {
    type(c(Field::HoistFPMHoist), "0"); // typed elsewhere last: 600 fpm
    form.textChanged(c(Field::HoistFPMHoist), "60");
    form.model().record.set(Field::LiftDistanceBridge, "");
    const std::string energyBefore = form.model().summary.lblSummaryEnergy;
    clear();
    leave(c(Field::LiftDistanceBridge));
    EXPECT_EQ(
        checkLog(Field::LiftDistanceBridge),
        (V{"message Bridge Travel Distance Must Have a Value.", "text txtLiftDistanceBridge=10"}));
    // The duty cycle follows the new distance; the summary waits for the next change.
    EXPECT_EQ(text(Field::DutyCycleBridge5), "6");
    EXPECT_EQ(form.model().summary.lblSummaryEnergy, energyBefore);
    EXPECT_TRUE(form.model().state.RecalcEnabled);
    form.realTimeSummary();
    EXPECT_NE(form.model().summary.lblSummaryEnergy, energyBefore);
}

TEST_F(FieldCheckTest, a_typed_distance_deleted_and_left_keeps_empty_with_focus_back) {
    typeOver(c(Field::LiftDistanceTrolley), "\b\b\b");
    clear();
    leave(c(Field::LiftDistanceTrolley));
    EXPECT_EQ(checkLog(Field::LiftDistanceTrolley),
              (V{"message Trolley Travel Distance Must Have a Value.", "tab 4",
                 "focus txtLiftDistanceTrolley"}));
    EXPECT_EQ(text(Field::LiftDistanceTrolley), "");
    EXPECT_TRUE(form.model().state.RecalcEnabled);
}

TEST_F(FieldCheckTest, a_distance_that_leaves_no_fifth_step_shows_its_message_then_goes_back) {
    typeOver(c(Field::LiftDistanceHoist), "4");
    clear();
    leave(c(Field::LiftDistanceHoist));
    EXPECT_EQ(checkLog(Field::LiftDistanceHoist),
              (V{"message Hoist Lift Distance was set too low. The 5th Duty Cycle can not be 0 or "
                 "less.",
                 "tab 3", "focus txtLiftDistanceHoist"}));
    EXPECT_EQ(text(Field::LiftDistanceHoist), "4");
}

// ---- Duty-cycle steps -------------------------------------------------------------

TEST_F(FieldCheckTest, a_step_below_a_quarter_second_is_put_back_with_the_invalid_amounts_message) {
    typeOver(c(Field::DutyCycleHoist2), "0.2");
    EXPECT_EQ(text(Field::DutyCycleHoist5), "26.8");
    clear();
    leave(c(Field::DutyCycleHoist2));
    EXPECT_EQ(checkLog(Field::DutyCycleHoist2),
              (V{"tab 3", "focus txtDutyCycleHoist(2)", "text txtDutyCycleHoist(2)=0.25",
                 "message There are invalid amounts for one or more Duty Cycles, each Cycle can "
                 "not be less than 0.25."}));
    // Putting 0.25 back ran the step's reaction: the fifth step follows.
    EXPECT_EQ(text(Field::DutyCycleHoist5), "26.75");
}

TEST_F(FieldCheckTest, the_step_left_is_put_back_even_when_another_step_is_the_wrong_one) {
    form.model().record.set(Field::DutyCycleBridge1, "0.1");
    typeOver(c(Field::DutyCycleBridge4), "2");
    clear();
    leave(c(Field::DutyCycleBridge4));
    EXPECT_EQ(text(Field::DutyCycleBridge4), "0.25");
    EXPECT_EQ(text(Field::DutyCycleBridge1), "0.1");
}

TEST_F(FieldCheckTest, an_emptied_step_gets_its_numbered_message_and_a_quarter_second) {
    typeOver(c(Field::DutyCycleHoist3), "\b");
    clear();
    leave(c(Field::DutyCycleHoist3));
    EXPECT_EQ(checkLog(Field::DutyCycleHoist3),
              (V{"tab 3", "focus txtDutyCycleHoist(3)", "text txtDutyCycleHoist(3)=0.25",
                 "message Hoist Duty Cycle 3 Must Have a Value."}));
}

TEST_F(FieldCheckTest, an_empty_step_passed_through_gets_a_quarter_second_where_it_is) {
    form.model().record.set(Field::DutyCycleTrolley1, "");
    type(c(Field::HoistFPMHoist), "0");
    clear();
    leave(c(Field::DutyCycleTrolley1));
    EXPECT_EQ(
        checkLog(Field::DutyCycleTrolley1),
        (V{"text txtDutyCycleTrolley(1)=0.25", "message Trolley Duty Cycle 1 Must Have a Value."}));
}

// ---- Full-load current --------------------------------------------------------------

TEST_F(FieldCheckTest, a_current_without_value_gets_ten_with_its_message) {
    typeOver(c(Field::MotorFLCAmpsBridge), "0");
    clear();
    leave(c(Field::MotorFLCAmpsBridge));
    EXPECT_EQ(checkLog(Field::MotorFLCAmpsBridge),
              (V{"tab 5", "focus txtMotorFLCAmpsBridge",
                 "message Bridge FLC Amps must have a value of at least 10.",
                 "text txtMotorFLCAmpsBridge=10"}));
}

TEST_F(FieldCheckTest, an_empty_current_passed_through_shows_the_message_then_gets_ten) {
    form.model().record.set(Field::MotorFLCAmpsHoist, "");
    clear();
    leave(c(Field::MotorFLCAmpsHoist));
    EXPECT_EQ(checkLog(Field::MotorFLCAmpsHoist),
              (V{"message Hoist FLC Amps must have a value of at least 10.",
                 "text txtMotorFLCAmpsHoist=10"}));
}

// ---- Motor volts and number of motors ----------------------------------------------

TEST_F(FieldCheckTest, volts_with_a_none_motor_must_be_zero) {
    form.model().record.set(Field::TrolleyMotor, "Frame NONE Motor 0HP");
    typeOver(c(Field::MotorVoltsTrolley), "230");
    clear();
    leave(c(Field::MotorVoltsTrolley));
    EXPECT_EQ(checkLog(Field::MotorVoltsTrolley),
              (V{"text txtMotorVoltsTrolley=0",
                 "message When the motor type is NONE, then the Motor Volts must be set to 0.",
                 "tab 4", "focus txtMotorVoltsTrolley"}));
    clear();
    leave(c(Field::MotorVoltsTrolley));
    EXPECT_EQ(checkLog(Field::MotorVoltsTrolley), V{});
}

TEST_F(FieldCheckTest, volts_of_zero_with_a_real_motor_become_one) {
    typeOver(c(Field::MotorVoltsHoist), "0");
    clear();
    leave(c(Field::MotorVoltsHoist));
    EXPECT_EQ(checkLog(Field::MotorVoltsHoist),
              (V{"message The Number of Volts must be 1 or more, for the calculations to work.",
                 "text txtMotorVoltsHoist=1", "tab 3", "focus txtMotorVoltsHoist"}));
}

TEST_F(FieldCheckTest, none_means_capital_letters) {
    form.model().record.set(Field::HoistMotor, "None");
    typeOver(c(Field::MotorVoltsHoist), "0");
    clear();
    leave(c(Field::MotorVoltsHoist));
    EXPECT_EQ(text(Field::MotorVoltsHoist), "1");
}

TEST_F(FieldCheckTest, a_motor_count_is_written_in_its_whole_number_form_as_it_changes) {
    typeOver(c(Field::NumMotorHoist), "07");
    EXPECT_EQ(text(Field::NumMotorHoist), "7");
    EXPECT_EQ(controlText(c(Field::NumMotorHoist)), "7");
    typeOver(c(Field::NumMotorHoist), "00");
    EXPECT_EQ(text(Field::NumMotorHoist), "0");
    typeOver(c(Field::NumMotorHoist), "12");
    EXPECT_EQ(text(Field::NumMotorHoist), "12");
}

TEST_F(FieldCheckTest, a_none_motor_takes_exactly_one_motor) {
    form.model().record.set(Field::BridgeMotor, "Frame NONE Motor 0HP");
    typeOver(c(Field::NumMotorBridge), "3");
    clear();
    leave(c(Field::NumMotorBridge));
    EXPECT_EQ(checkLog(Field::NumMotorBridge),
              (V{"text txtNumMotorBridge=1",
                 "message When the motor type is NONE, then the Number of Motors must be set to 1.",
                 "tab 5", "focus txtNumMotorBridge"}));
}

TEST_F(FieldCheckTest, zero_motors_get_the_two_line_message_and_one) {
    typeOver(c(Field::NumMotorTrolley), "0");
    clear();
    leave(c(Field::NumMotorTrolley));
    EXPECT_EQ(checkLog(Field::NumMotorTrolley),
              (V{"message The Number of Moters must be 1 or more, for the calculations to "
                 "work.\r\nSelect Motor Type NONE from the drop down list above to represent 0 "
                 "motors.",
                 "text txtNumMotorTrolley=1", "tab 4", "focus txtNumMotorTrolley"}));
}

TEST_F(FieldCheckTest, an_emptied_count_becomes_zero_first_then_one_with_the_fitting_message) {
    typeOver(c(Field::NumMotorHoist), "\b");
    clear();
    leave(c(Field::NumMotorHoist));
    const V log = checkLog(Field::NumMotorHoist);
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0], "text txtNumMotorHoist=0");
    EXPECT_EQ(log[1].substr(0, 40), "message The Number of Moters must be 1 o");
    EXPECT_EQ(log[2], "text txtNumMotorHoist=1");
}

TEST_F(FieldCheckTest, a_motor_count_passed_through_is_not_checked_even_when_empty) {
    form.model().record.set(Field::NumMotorHoist, "");
    type(c(Field::HoistFPMHoist), "0");
    clear();
    leave(c(Field::NumMotorHoist));
    EXPECT_EQ(view.log, V{});
}

// ---- The tracked-field rule ----------------------------------------------------------

TEST_F(FieldCheckTest, leaving_a_field_again_after_typing_elsewhere_runs_only_the_empty_check) {
    typeOver(c(Field::HoistFPMHoist), "450"); // leaves no fifth step
    leave(c(Field::HoistFPMHoist));
    EXPECT_EQ(view.messages().size(), 1u);
    type(c(Field::LiftDistanceHoist), "x"); // a key in another tracked field
    clear();
    leave(c(Field::HoistFPMHoist));
    EXPECT_EQ(text(Field::DutyCycleHoist5), "0");
    EXPECT_EQ(view.messages(), V{});
}

TEST_F(FieldCheckTest, a_step_of_the_same_motion_counts_as_the_same_tracked_field) {
    typeOver(c(Field::DutyCycleHoist1), "0.2");
    clear();
    leave(c(Field::DutyCycleHoist4)); // never typed in, but in the same array
    EXPECT_EQ(text(Field::DutyCycleHoist4), "0.25");
}

// ---- Other reactions -------------------------------------------------------------------

TEST_F(FieldCheckTest, the_rate_takes_effect_when_its_field_is_left) {
    const std::string before = form.model().summary.lblSummaryEnergy;
    typeOver(c(Field::KwHrRate), "0.2");
    EXPECT_EQ(form.model().summary.lblSummaryEnergy, before);
    leave(c(Field::KwHrRate));
    EXPECT_NE(form.model().summary.lblSummaryEnergy, before);
}

TEST_F(FieldCheckTest, typing_a_speed_moves_the_summary_at_once) {
    const std::string before = view.texts["lblSummaryTotal"];
    type(c(Field::HoistFPMHoist), "0"); // 600 feet a minute
    EXPECT_EQ(text(Field::DutyCycleHoist5), "-1");
    EXPECT_NE(view.texts["lblSummaryTotal"], before);
}

TEST_F(FieldCheckTest, the_customer_field_recalculates_when_entered) {
    form.model().record.set(Field::KwHrRate, "0.2"); // no change reaction of its own
    const std::string before = form.model().summary.lblSummaryTotal;
    form.controlEntered(c(Field::CustName));
    EXPECT_NE(form.model().summary.lblSummaryTotal, before);
}

TEST_F(FieldCheckTest, a_typed_text_is_not_written_back_into_its_own_control) {
    typeOver(c(Field::ProjName), "Crane 2");
    EXPECT_EQ(view.linesStartingWith({"text txtProjName"}), V{});
}

} // namespace
