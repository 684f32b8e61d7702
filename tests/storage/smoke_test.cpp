#include "storage/text_format.h"

#include <gtest/gtest.h>

TEST(Smoke, Builds) { EXPECT_EQ(lukana::formatNumber(1500), " 1500"); }
