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

TEST(StatFormulasTest, EffortCountsInStepsOfFour) {
  for (int level : {1, 50, 100}) {
    EXPECT_EQ(CalcHpStat(80, 10, 255, level), CalcHpStat(80, 10, 252, level));
    EXPECT_EQ(CalcOtherStat(80, 10, 255, level, 1.1),
              CalcOtherStat(80, 10, 252, level, 1.1));
  }
  EXPECT_NE(CalcHpStat(80, 10, 252, 100), CalcHpStat(80, 10, 248, 100));
}

TEST(StatFormulasTest, NatureMultiplierTruncates) {
  // base 5, IV 0, level 100: q = 10, t = 15.
  EXPECT_EQ(CalcOtherStat(5, 0, 0, 100, 90 / 100.0), 13);
  EXPECT_EQ(CalcOtherStat(5, 0, 0, 100, 110 / 100.0), 16);
  EXPECT_EQ(CalcOtherStat(5, 0, 0, 100, 100 / 100.0), 15);
  // base 2, IV 1: q = 5, t = 10, and 10 × 1.1 must give 11, not 10.
  EXPECT_EQ(CalcOtherStat(2, 1, 0, 100, 110 / 100.0), 11);
}

TEST(StatFormulasTest, DoubleMultiplierMatchesIntegerPercentages) {
  const int percents[] = {90, 100, 110};
  for (int base = 1; base <= 255; base += 2)
    for (int iv = 0; iv < 32; ++iv)
      for (int effort : {0, 3, 128, 255})
        for (int level : {1, 2, 37, 50, 99, 100})
          for (int p : percents) {
            int core = 2 * base + iv + effort / 4;
            int t = core * level / 100 + 5;
            ASSERT_EQ(CalcOtherStat(base, iv, effort, level, p / 100.0),
                      t * p / 100)
                << base << " " << iv << " " << effort << " " << level;
          }
}

TEST(StatFormulasTest, LevelOneKeepsManyIvsAlike) {
  int distinct = 0;
  int last = -1;
  for (int iv = 0; iv < 32; ++iv) {
    int v = CalcOtherStat(45, iv, 0, 1, 1.0);
    distinct += v != last;
    last = v;
  }
  EXPECT_LE(distinct, 2);
}

}  // namespace
