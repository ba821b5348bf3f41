#include "files/key_value_file.h"
#include <gtest/gtest.h>
TEST(FilesSmoke, builds) { EXPECT_EQ(payvanta::files::LookupValue({}, "x"), "0"); }
