#include "cli/calc_options.h"
#include <gtest/gtest.h>
TEST(CliSmoke, builds) { EXPECT_FALSE(payvanta::cli::parseCalcOptions({}).options.has_value()); }
