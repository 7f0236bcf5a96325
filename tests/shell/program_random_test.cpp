#include <gtest/gtest.h>

#include "shell/program_random.h"

TEST(ProgramRandom, FollowsTheClassicGeneratorAndItsRange) {
    ProgramSrand(1);
    EXPECT_EQ(ProgramRand(), 41);
    EXPECT_EQ(ProgramRand(), 18467);
    EXPECT_EQ(ProgramRand(), 6334);
    EXPECT_EQ(ProgramRand(), 26500);
    ProgramSrand(12345);
    for (int i = 0; i < 10000; ++i) {
        int index = ProgramRandomIndex(7);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 7);
    }
}
