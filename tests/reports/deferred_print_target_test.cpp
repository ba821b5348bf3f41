#include "reports/deferred_print_target.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace payvanta::reports;

namespace {

// Writes down what it is asked, as a printer that takes every page.
class RecordingTarget final : public PrintTarget {
public:
    explicit RecordingTarget(std::vector<std::string>& log) : log_(log) {}
    std::optional<PrintFailure> beginJob(std::string_view name) override {
        log_.push_back("begin " + std::string(name));
        return std::nullopt;
    }
    std::optional<PrintFailure> printPage(const PrintPage&) override {
        log_.emplace_back("page");
        return std::nullopt;
    }
    std::optional<PrintFailure> endJob() override {
        log_.emplace_back("end");
        return std::nullopt;
    }
    std::string destination() const override { return "Office Laser"; }
    bool writesFiles() const override { return false; }

private:
    std::vector<std::string>& log_;
};

// The choice is made at the first job, once for the run, and every job goes where it chose.
TEST(DeferredPrintTargetTest, ChoosesAtTheFirstJobOnlyAndSendsEveryJobThere) {
    std::vector<std::string> log;
    int choices = 0;
    DeferredPrintTarget target([&]() -> std::unique_ptr<PrintTarget> {
        ++choices;
        log.emplace_back("chosen");
        return std::make_unique<RecordingTarget>(log);
    });
    EXPECT_EQ(choices, 0);
    EXPECT_FALSE(target.chosen());
    EXPECT_EQ(target.destination(), "");

    for (const char* job : {"Crane - Print All", "Crane - Print Help"}) {
        EXPECT_EQ(target.beginJob(job), std::nullopt);
        EXPECT_EQ(target.printPage({}), std::nullopt);
        EXPECT_EQ(target.endJob(), std::nullopt);
    }
    EXPECT_EQ(choices, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"chosen", "begin Crane - Print All", "page", "end",
                                             "begin Crane - Print Help", "page", "end"}));
    EXPECT_EQ(target.destination(), "Office Laser");
    EXPECT_FALSE(target.writesFiles());
}

} // namespace
