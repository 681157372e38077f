#include <gtest/gtest.h>
#include "core/text.h"
TEST(CoreSmoke, Trim) { EXPECT_EQ(core::Trim(u"  ab \t"), u"ab"); }
