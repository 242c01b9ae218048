// Hidden power type and power from six IVs.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "support/test_data.h"

namespace {

struct Expected {
  int ivs[StatCount];
  const char16_t* type;
  int power;  // where the power comes from the IVs
};

IvResult Compute(const int (&ivs)[StatCount], const GameDefinition& game) {
  IvResult r{};
  for (int s = 0; s < StatCount; ++s) r.stats[s].minIv = ivs[s];
  // Only minIv is read: noise elsewhere must not matter.
  for (StatResult& s : r.stats) {
    s.maxIv = 3;
    s.mask = 0x12345678;
  }
  EXPECT_EQ(CalcHiddenPower(&r, game.hiddenPowerPower), 1);
  return r;
}

TEST(HiddenPowerTest, KnownCombinations) {
  const Expected cases[] = {
      {{31, 31, 31, 31, 31, 31}, u"あく", 70},
      {{0, 0, 0, 0, 0, 0}, u"かくとう", 30},
      {{30, 30, 30, 30, 30, 30}, u"かくとう", 70},
      {{31, 31, 31, 31, 31, 30}, u"こおり", 70},
      {{1, 0, 0, 0, 0, 0}, u"かくとう", 30},
      {{0, 0, 0, 0, 1, 0}, u"はがね", 30},
      {{0, 0, 0, 0, 0, 1}, u"ひこう", 30},
      // Speed's bit 1 weighs 8: p = 8 gives ⌊320 / 63⌋ + 30.
      {{0, 0, 0, 0, 0, 2}, u"かくとう", 35},
      // The type's boundaries at fifteen sixty-thirds: t = 63 only for あく,
      // t = 61 still ドラゴン; t = 4 still かくとう, t = 5 ひこう.
      {{1, 0, 1, 1, 1, 1}, u"ドラゴン", 30},
      {{0, 0, 1, 0, 0, 0}, u"かくとう", 30},
      {{1, 0, 1, 0, 0, 0}, u"ひこう", 30},
  };
  for (const Expected& e : cases) {
    for (const GameDefinition& game : GameDefinitions) {
      IvResult r = Compute(e.ivs, game);
      EXPECT_TRUE(NameEquals(e.type, r.hiddenPowerType)) << &e - cases;
      bool fixed = game.hiddenPowerPower == HiddenPowerPowerRule::Fixed60;
      EXPECT_EQ(r.hiddenPowerPower, fixed ? 60 : e.power) << &e - cases;
      EXPECT_EQ(r.hiddenPowerKnown, 0);  // not the function's business
    }
  }
}

TEST(HiddenPowerTest, EveryTypeIsReachable) {
  bool seen[HiddenPowerTypeCount] = {};
  for (int t = 0; t < 64; ++t) {
    int ivs[StatCount];
    // StatIndex order with weights HP 1, Atk 2, Def 4, SpA 16, SpD 32, Spe 8.
    const int weight[StatCount] = {1, 2, 4, 16, 32, 8};
    for (int s = 0; s < StatCount; ++s) ivs[s] = (t & weight[s]) ? 1 : 0;
    IvResult r = Compute(ivs, Gen(4));
    for (int i = 0; i < HiddenPowerTypeCount; ++i)
      if (NameEquals(HiddenPowerTypeNames[i], r.hiddenPowerType)) {
        EXPECT_EQ(i, t * 15 / 63) << t;
        seen[i] = true;
      }
  }
  for (bool s : seen) EXPECT_TRUE(s);
}

}  // namespace
