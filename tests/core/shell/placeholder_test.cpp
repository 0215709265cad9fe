#include <gtest/gtest.h>
#include "core/shell/kvhilf.h"
TEST(Kvhilf, Komma) { EXPECT_EQ(extendedzustring(6, 1, 42.25L).size(), 6); }
