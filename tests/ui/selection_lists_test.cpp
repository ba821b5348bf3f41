#include "form_fixture.h"
#include "ui/selection_picks.h"

#include <gtest/gtest.h>

using namespace payvanta;
using namespace payvanta::test;
using V = std::vector<std::string>;

namespace {

// Tables with the items of the worked examples.
class SelectionListTest : public FormTest {
protected:
    void SetUp() override {
        writeBytes(folder / "MillMoto.ini", "\xBD Hour Rating;802;50;37.3;180;230;2;TENV;4\r\n"
                                            "\xBD Hour Rating;803;10;7.5;38;230;7;TENV;\r\n"
                                            "1 Hour Rating;NONE;0;0;1;0;1;-;\r\n"
                                            "1 Hour Rating;804;10;7.5;38;230;2;TENV;13\r\n");
        writeBytes(folder / "TipCosts.ini", "1;25;1;x;200.00\r\n2;50;1;x;300.00\r\n"
                                            "3;100;1;x;450.00\r\n4;150;1;x;500.00\r\n"
                                            "5;300;1;x;750.00\r\n");
        writeBytes(folder / "ShoeCost.ini", "4;4;2;x;120.00\r\n13;13;2;x;150.00\r\n8;8;2;x;\r\n");
        writeBytes(folder / "UtilRate.ini", "PA;0.0712\r\nNew York;0.0687\r\n");
        openProject([](ProjectRecord& r) {
            r.set(Field::HoistNemaSize, "1");
            r.set(Field::ContactHoist, "25");
            r.set(Field::BrakeSize, "13");
            r.set(Field::BrakeShoe, "40");
        });
    }
    int itemOf(Field list, std::string_view item) const {
        const auto& items = view.listItems.at(std::string(ui::controlOf(list).name));
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == item) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << "no item " << item;
        return -1;
    }
    void pick(Field list, std::string_view item) {
        form.listItemPicked(c(list), itemOf(list, item));
    }
    V writes() const {
        V out;
        for (const auto& line : view.linesStartingWith({"text txt", "text cmb"})) {
            if (line.rfind("text txtDutyCycle", 0) != 0) { // the duty cycle follows the amps
                out.push_back(line.substr(5));
            }
        }
        return out;
    }
};

const char* const kHoist802 = "Frame 802 Motor 50HP \u00BD Hour Rating ~ 230 ~ 180 ~ 2 ~ 4";

TEST_F(SelectionListTest, the_lists_hold_the_items_of_the_tables) {
    EXPECT_EQ(view.listItems["cmbHoistMotor"],
              (V{kHoist802, "Frame 803 Motor 10HP \u00BD Hour Rating ~ 230 ~ 38 ~ 7"}));
    EXPECT_EQ(view.listItems["cmbTrolleyMotor"], view.listItems["cmbBridgeMotor"]);
    EXPECT_EQ(view.listItems["cmbBrakeSize"], (V{"4 120.00", "13 150.00", "8 "}));
    EXPECT_EQ(view.listItems["cmbStateKw"], (V{"PA 0.0712", "New York 0.0687"}));
}

TEST_F(SelectionListTest, picking_a_motor_fills_brake_nema_description_volts_and_amps_in_order) {
    pick(Field::HoistMotor, kHoist802);
    EXPECT_EQ(writes(), (V{"cmbHoistMotor=" + std::string(kHoist802), "cmbBrakeSize=4",
                           "txtBrakeShoe=120.00", "cmbHoistNemaSize=2", "txtContactHoist=300.00",
                           "cmbHoistMotor=Frame 802 Motor 50HP \u00BD Hour Rating",
                           "txtMotorVoltsHoist=230", "txtMotorFLCAmpsHoist=180"}));
    EXPECT_EQ(text(Field::HoistMotor), "Frame 802 Motor 50HP \u00BD Hour Rating");
    EXPECT_EQ(text(Field::NumMotorHoist), "1");
}

TEST_F(SelectionListTest, a_motor_fills_only_what_its_item_names_and_moves_the_summary) {
    const std::string before = form.model().summary.lblSummaryTotal;
    // No brake, NEMA size 7 not in the tip list: volts and amps only.
    pick(Field::HoistMotor, "Frame 803 Motor 10HP \u00BD Hour Rating ~ 230 ~ 38 ~ 7");
    EXPECT_EQ(writes(), (V{"cmbHoistMotor=Frame 803 Motor 10HP \u00BD Hour Rating ~ 230 ~ 38 ~ 7",
                           "cmbHoistMotor=Frame 803 Motor 10HP \u00BD Hour Rating",
                           "txtMotorVoltsHoist=230", "txtMotorFLCAmpsHoist=38"}));
    EXPECT_NE(form.model().summary.lblSummaryTotal, before);
    EXPECT_EQ(view.texts["lblSummaryTotal"], form.model().summary.lblSummaryTotal);
    // A travel motor with a brake size sets the brake too; NONE takes one motor.
    pick(Field::BridgeMotor, "Frame 804 Motor 10HP 1 Hour Rating ~ 230 ~ 38 ~ 2 ~ 13");
    EXPECT_EQ(text(Field::BridgeNemaSize), "2");
    EXPECT_EQ(text(Field::ContactBridge), "300.00");
    EXPECT_EQ(text(Field::BrakeShoe), "150.00");
    form.writeField(Field::NumMotorTrolley, "3");
    pick(Field::TrolleyMotor, "Frame NONE Motor 0HP 1 Hour Rating ~ 0 ~ 1 ~ 1");
    EXPECT_EQ(text(Field::MotorVoltsTrolley), "0");
    EXPECT_EQ(text(Field::NumMotorTrolley), "1");
}

TEST_F(SelectionListTest, picking_a_size_fills_its_cost_and_an_empty_cost_empties_it) {
    pick(Field::BrakeSize, "4 120.00");
    EXPECT_EQ(text(Field::BrakeSize), "4");
    EXPECT_EQ(text(Field::BrakeShoe), "120.00");
    pick(Field::BrakeSize, "8 ");
    EXPECT_EQ(text(Field::BrakeSize), "8");
    EXPECT_EQ(text(Field::BrakeShoe), "");
    pick(Field::TrolleyNemaSize, "5 750.00");
    EXPECT_EQ(text(Field::ContactTrolley), "750.00");
}

TEST_F(SelectionListTest, a_state_fills_the_rate_which_counts_from_the_next_recalculation) {
    const std::string before = form.model().summary.lblSummaryEnergy;
    pick(Field::cmbStateKw, "New York 0.0687"); // a state in words keeps its name whole
    EXPECT_EQ(text(Field::cmbStateKw), "New York");
    EXPECT_EQ(text(Field::KwHrRate), "0.0687");
    EXPECT_EQ(form.model().summary.lblSummaryEnergy, before);
    leave(c(Field::KwHrRate));
    EXPECT_NE(form.model().summary.lblSummaryEnergy, before);
}

TEST_F(SelectionListTest, the_open_state_list_shows_a_fixed_pitch_font) {
    form.listOpened(c(Field::cmbStateKw));
    pick(Field::cmbStateKw, "PA 0.0712");
    form.listOpened(c(Field::cmbStateKw));
    leave(c(Field::cmbStateKw));
    EXPECT_EQ(view.linesStartingWith({"font "}),
              (V{"font cmbStateKw Courier New", "font cmbStateKw MS Sans Serif",
                 "font cmbStateKw Courier New", "font cmbStateKw MS Sans Serif"}));
}

TEST_F(SelectionListTest, no_item_selected_does_nothing_and_a_size_takes_digits_only) {
    form.listItemPicked(c(Field::HoistMotor), -1);
    form.listItemPicked(c(Field::BrakeSize), 99);
    EXPECT_EQ(writes(), V{});
    typeOver(c(Field::HoistNemaSize), "1.a2");
    EXPECT_EQ(text(Field::HoistNemaSize), "12");
}

TEST_F(SelectionListTest, a_longer_size_is_cut_to_two_characters_without_message) {
    typeOver(c(Field::BridgeNemaSize), "123");
    const std::string cost = text(Field::ContactBridge);
    view.clearLog();
    leave(c(Field::BridgeNemaSize));
    EXPECT_EQ(text(Field::BridgeNemaSize), "12");
    EXPECT_EQ(text(Field::ContactBridge), cost);
    EXPECT_EQ(view.messages(), V{});
}

TEST_F(SelectionListTest, a_size_below_one_gets_its_message_on_the_inventory_tab) {
    const std::vector<std::pair<Field, std::string>> cases{
        {Field::HoistNemaSize, "Hoist NEMA Size must have a value of at least 1."},
        {Field::TrolleyNemaSize, "Trolley NEMA Size must have a value of at least 1."},
        {Field::BridgeNemaSize, "Bridge NEMA Size must have a value of at least 1."},
        {Field::BrakeSize, "Brake Size must have a value of at least 1."}};
    for (const auto& [field, message] : cases) {
        typeOver(c(field), "0");
        view.clearLog();
        leave(c(field));
        const std::string name(ui::controlOf(field).name);
        EXPECT_EQ(view.linesStartingWith({"tab", "focus", "message", "text " + name}),
                  (V{"tab 6", "focus " + name, "message " + message, "text " + name + "=1"}));
    }
    form.writeField(Field::BrakeSize, "");
    leave(c(Field::BrakeSize));
    EXPECT_EQ(text(Field::BrakeSize), "1");
}

TEST_F(SelectionListTest, only_the_trolley_motor_list_recalculates_when_left) {
    form.writeField(Field::KwHrRate, "0.5"); // no reaction of its own
    const std::string before = form.model().summary.lblSummaryEnergy;
    leave(c(Field::HoistMotor));
    leave(c(Field::BridgeMotor));
    EXPECT_EQ(form.model().summary.lblSummaryEnergy, before);
    leave(c(Field::TrolleyMotor));
    EXPECT_NE(form.model().summary.lblSummaryEnergy, before);
}

// ---- Splitting the item texts ------------------------------------------------------

TEST(ItemTexts, split_at_the_first_space_and_at_the_tildes_of_a_motor_or_change_nothing) {
    std::string text = "13 150.00 each", rest = "kept";
    ui::splitAtFirstSpace(text, rest);
    EXPECT_EQ(text + "|" + rest, "13|150.00 each");
    text = "7";
    ui::splitAtFirstSpace(text, rest);
    EXPECT_EQ(text + "|" + rest, "7|150.00 each");
    // Description, volts, amps and at most ten characters of the rest.
    std::string item = "Frame 818 Motor 200HP 1 Hour Rating ~ 230 ~ 763 ~ 7 ~ 23456789";
    std::string volts = "v", amps = "a";
    ASSERT_TRUE(ui::parseMotorItem(item, volts, amps, rest));
    EXPECT_EQ(item + "|" + volts + "|" + amps + "|" + rest,
              "Frame 818 Motor 200HP 1 Hour Rating|230|763|7 ~ 234567");
    item = "Custom motor";
    EXPECT_TRUE(ui::parseMotorItem(item, volts, amps, rest));
    EXPECT_EQ(item + "|" + volts + "|" + amps, "Custom motor|230|763");
    // An item that cannot be split is refused and left alone.
    for (const char* bad : {"Frame ~ 230", "Frame ~ 230 ~ 100", "~ 230 ~ 100 ~ 2",
                            "F~ 230 ~ 100 ~ 2", "Frame ~~ 100 ~ 2", "Frame ~ 230 ~~ 2"}) {
        item = bad;
        EXPECT_FALSE(ui::parseMotorItem(item, volts, amps, rest)) << bad;
        EXPECT_EQ(item + "|" + volts + "|" + amps + "|" + rest,
                  std::string(bad) + "|230|763|7 ~ 234567");
    }
}

} // namespace
