#include "ui/help_pages.h"
#include <gtest/gtest.h>
TEST(HelpPages, placeholder) { EXPECT_EQ(payvanta::ui::kHelpTopics.size(), 7u); }
