// The stat formulas against the games' integer arithmetic.
#include <gtest/gtest.h>

#include "engine/engine.h"

namespace {

TEST(StatFormulasTest, HpAtTheTopOfEveryRange) {
  EXPECT_EQ(CalcHpStat(255, 31, 255, 100), 714);
  EXPECT_EQ(CalcHpStat(45, 0, 0, 1), 0 + 1 + 10);
  EXPECT_EQ(CalcHpStat(65535, 31, 65535, 255),
            (2 * 65535 + 31 + 16383) * 255 / 100 + 255 + 10);
}

TEST(StatFormulasTest, HpEffortCountsInStepsOfFour) {
  for (int level : {1, 50, 100})
    EXPECT_EQ(CalcHpStat(80, 10, 255, level), CalcHpStat(80, 10, 252, level));
  EXPECT_NE(CalcHpStat(80, 10, 252, 100), CalcHpStat(80, 10, 248, 100));
}

// Every base stat, the edges of the effort steps and the levels where the
// truncations bite: the double multiplier truncates as integer percentages
// do (base 2, IV 1 at level 100: 10 x 1.1 must give 11, not 10), effort
// counts in steps of four, and at level 1 many IVs show the same value.
TEST(StatFormulasTest, DoubleMultiplierMatchesIntegerPercentages) {
  const int percents[] = {90, 100, 110};
  for (int base = 1; base <= 255; ++base)
    for (int iv = 0; iv < 32; ++iv)
      for (int effort : {0, 3, 128, 248, 252, 255})
        for (int level : {1, 2, 37, 50, 99, 100})
          for (int p : percents) {
            int core = 2 * base + iv + effort / 4;
            int t = core * level / 100 + 5;
            ASSERT_EQ(CalcOtherStat(base, iv, effort, level, p / 100.0),
                      t * p / 100)
                << base << " " << iv << " " << effort << " " << level << " "
                << p;
          }
}

}  // namespace
