#include "model/savings_model.h"
#include "reports/report_builders.h"
#include "reports/value_captions.h"
#include "support/example_project.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace payvanta;
using namespace payvanta::reports;

namespace {

class ValueCaptionsTest : public ::testing::Test {
protected:
    ValueCaptionsTest() {
        test::fillCompleteProject(model.record);
        model.state.recalcEnabled = true;
        model.RecalculateAll();
    }

    // The name each value is heard by, by control name.
    std::map<std::string, std::string> names(ReportForm form) {
        page = buildReport(form, {model, {2026, 12, 6, 20, 15, 3}});
        std::map<std::string, std::string> out;
        for (const CaptionedValue& v : captionedValues(page)) {
            out[std::string(page.items[v.item].name)] = v.name;
        }
        return out;
    }

    SavingsModel model;
    ReportPage page;
};

TEST_F(ValueCaptionsTest, every_value_is_named_once_by_its_caption_and_read_line_by_line) {
    for (const auto form :
         {ReportForm::Hoist, ReportForm::Trolley, ReportForm::Bridge, ReportForm::Inventory,
          ReportForm::Maintenance, ReportForm::EnergySavings, ReportForm::Savings,
          ReportForm::BusinessCase}) {
        const ReportPage p = buildReport(form, {model, {}});
        std::set<std::string> seen;
        int lastTop = 0;
        for (const CaptionedValue& v : captionedValues(p)) {
            const ReportItem& item = p.items[v.item];
            EXPECT_EQ(v.caption.empty(), item.name == "lblDate") << item.name;
            EXPECT_TRUE(seen.insert(v.name).second) << v.name;
            EXPECT_GT(item.top, lastTop - 120) << item.name << " is read out of its line";
            lastTop = std::max(lastTop, item.top);
        }
    }
}

TEST_F(ValueCaptionsTest, a_table_cell_is_named_by_its_row_and_the_headings_of_its_column) {
    auto hoist = names(ReportForm::Hoist);
    EXPECT_EQ(hoist["txtMotorVolts"], "Motor Volts: 230");
    EXPECT_EQ(hoist["lblDate"], "12/6/2026 8:15:03 PM");
    EXPECT_EQ(hoist["txtDccpActualKWH(1)"], "Speed 1, Hoist DCCP KW: 40.58");
    EXPECT_EQ(hoist["txtQvrKWHRL(6)"], "Total, Lower QVR KW-HR: -0.2185");
    // A row that leaves out cells, and a caption that overlaps its value's box.
    EXPECT_EQ(names(ReportForm::Maintenance)["txtChangeOutDaysBrake"],
              "Brake, Change Out Frequency Days: 180.0");
    auto business = names(ReportForm::BusinessCase);
    EXPECT_EQ(business["txtProjectLife"], "Project Life: 15 years");
    EXPECT_EQ(business["txtDriveCost"], "Drive Hardware"); // nothing entered
}

} // namespace
