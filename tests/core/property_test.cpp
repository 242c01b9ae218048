// Randomised checks: monsters built from known IVs must keep those IVs among
// the candidates, with or without the clues they would show in the game.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <vector>

#include "engine_call.h"
#include "support/test_data.h"
#include "support/true_monster.h"

namespace {

const uint32_t Modes[] = {ModeGen3, ModeGen4, ModeGen5, ModeGen6};

struct Monster {
  const SpeciesRecord* species;
  const NatureRecord* nature;
  int ivs[StatCount];
};

class PropertyTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadTestGameData()); }
  void TearDown() override { GameMode = ModeGen6; }

  Monster RandomMonster(uint32_t mode) {
    std::vector<const SpeciesRecord*> listed;
    for (const SpeciesRecord& r : SpeciesTable)
      if (IsListedInMode(r, mode)) listed.push_back(&r);
    Monster m;
    m.species = listed[rng() % listed.size()];
    m.nature = &NatureTable[rng() % NatureCount];
    for (int& iv : m.ivs) iv = rng() % 32;
    return m;
  }

  // The stats the game shows at a level with random effort (total <= 510).
  StatusEntry Observe(const Monster& m, int level) {
    uint16_t efforts[StatCount];
    int budget = 510;
    for (uint16_t& ev : efforts) {
      ev = static_cast<uint16_t>(std::min<int>(budget, rng() % 256));
      budget -= ev;
    }
    return ShownStats(*m.species, *m.nature, m.ivs, level, efforts);
  }

  EngineCall CallFor(const Monster& m) {
    EngineCall call;
    call.species = m.species->name;
    call.nature = m.nature->name;
    return call;
  }

  // Clues the game would give for these IVs; some marks left unknown.
  void AddTrueClues(const Monster& m, EngineCall& call) {
    call.characteristic =
        CharacteristicTable[CharacteristicOf(m.ivs, rng())].text;
    call.hiddenPowerType = HiddenPowerTypeNames[HiddenPowerTypeOf(m.ivs)];
    call.overall = OverallVerdictOf(m.ivs);
    call.best = BestStatVerdictOf(m.ivs);
    for (int s = 0; s < StatCount; ++s) {
      if (rng() % 3 == 0) continue;  // the player did not note this one
      call.marks[s] = BestStatMarkOf(m.ivs, s);
    }
  }

  // A random monster and a call with rows at random levels up to maxLevel,
  // each with its effort values unknown or not; some rows misread.
  EngineCall CallWithRows(Monster& m, int maxLevel, bool& misread) {
    m = RandomMonster(ModeGen6);
    EngineCall call = CallFor(m);
    misread = false;
    for (int i = 0, n = 1 + rng() % 3; i < n; ++i) {
      StatusEntry& e =
          call.entries.emplace_back(Observe(m, 1 + rng() % maxLevel));
      e.effortUnknown = rng() % 2;
      if (rng() % 4 == 0) misread = true, e.stats[rng() % 6] += 1;
    }
    return call;
  }

  std::mt19937 rng{20261207};
};

void ExpectContains(const IvResult& r, const Monster& m) {
  for (int s = 0; s < StatCount; ++s) {
    ASSERT_TRUE(r.stats[s].mask & (1u << m.ivs[s]))
        << "stat " << s << " lost the true IV " << m.ivs[s];
    EXPECT_LE(r.stats[s].minIv, m.ivs[s]);
    EXPECT_GE(r.stats[s].maxIv, m.ivs[s]);
  }
  if (r.hiddenPowerKnown) {
    for (const StatResult& s : r.stats) EXPECT_EQ(s.minIv, s.maxIv);
  }
}

TEST_F(PropertyTest, TrueIvsSurviveObservations) {
  for (int round = 0; round < 1500; ++round) {
    uint32_t mode = Modes[round % 4];
    GameMode = mode;
    Monster m = RandomMonster(mode);
    EngineCall call = CallFor(m);
    int observations = 1 + rng() % 3;
    for (int i = 0; i < observations; ++i)
      call.entries.push_back(Observe(m, 1 + rng() % 100));
    IvResult r{};
    ASSERT_EQ(call.Run(r), CalcOk) << round;
    ExpectContains(r, m);
  }
}

TEST_F(PropertyTest, TrueIvsSurviveTheirOwnClues) {
  for (int round = 0; round < 1500; ++round) {
    uint32_t mode = Modes[round % 4];
    GameMode = mode;
    Monster m = RandomMonster(mode);
    EngineCall call = CallFor(m);
    call.entries.push_back(Observe(m, 1 + rng() % 100));
    AddTrueClues(m, call);
    IvResult r{};
    ASSERT_EQ(call.Run(r), CalcOk) << round;
    ExpectContains(r, m);
    // With no observation at all the clues alone must also keep them.
    call.entries.clear();
    ASSERT_EQ(call.Run(r), CalcOk);
    ExpectContains(r, m);
  }
}

TEST_F(PropertyTest, SeveralObservationsIntersect) {
  for (int round = 0; round < 800; ++round) {
    GameMode = ModeGen6;
    Monster m = RandomMonster(ModeGen6);
    StatusEntry a = Observe(m, 1 + rng() % 100);
    StatusEntry b = Observe(m, 1 + rng() % 100);
    // Half the time the second one belongs to another monster.
    if (rng() % 2) b.stats[rng() % StatCount] += rng() % 3;
    EngineCall call = CallFor(m);
    call.entries.assign(1, a);
    IvResult ra = call.Result();
    call.entries.assign(1, b);
    IvResult rb = call.Result();
    call.entries.push_back(a);
    IvResult both = call.Result();
    bool anyEmpty = false;
    for (int s = 0; s < StatCount; ++s)
      anyEmpty |= (ra.stats[s].mask & rb.stats[s].mask) == 0;
    for (int s = 0; s < StatCount; ++s)
      EXPECT_EQ(both.stats[s].mask,
                anyEmpty ? 0u : ra.stats[s].mask & rb.stats[s].mask)
          << round;
  }
}

TEST_F(PropertyTest, MasksAreAllEmptyOrAllNonEmptyWithTrueBounds) {
  for (int round = 0; round < 1000; ++round) {
    Monster m = RandomMonster(ModeGen6);
    EngineCall call = CallFor(m);
    StatusEntry e = Observe(m, 1 + rng() % 100);
    if (rng() % 2) e.stats[rng() % StatCount] += 1 + rng() % 2;
    call.entries.assign(1, e);
    Monster other = RandomMonster(ModeGen6);
    if (rng() % 2) AddTrueClues(other, call);  // clues that may not fit
    IvResult r = call.Result();
    int empty = 0;
    for (const StatResult& s : r.stats) {
      if (s.mask == 0) {
        ++empty;
        continue;
      }
      EXPECT_EQ(s.minIv, __builtin_ctz(s.mask));
      EXPECT_EQ(s.maxIv, 31 - __builtin_clz(s.mask));
    }
    EXPECT_TRUE(empty == 0 || empty == StatCount) << round;
    if (empty) {
      EXPECT_EQ(r.hiddenPowerKnown, 0);
    }
  }
}

// ---- Unknown effort values, unknown nature and next-level hints, each
// against brute force ----

// IVs of a stat for which the row's effort value, or when it is unknown some
// effort value 0..255, gives the shown value.
IvMask FittingIvs(const Monster& m, const NatureRecord& nature, int stat,
                  const StatusEntry& e) {
  IvMask mask = 0;
  for (int iv = 0; iv < 32; ++iv)
    for (int ev = 0; ev < (e.effortUnknown ? 256 : 1); ++ev)
      if (stat == StatHp && NameEquals(ShedinjaName, m.species->name)
              ? e.stats[StatHp] == 1
              : static_cast<uint16_t>(
                    ShownStat(*m.species, nature, stat, iv, e.level,
                              e.effortUnknown ? ev : e.effortValues[stat])) ==
                    e.stats[stat])
        mask |= 1u << iv;
  return mask;
}

TEST_F(PropertyTest, UnknownEffortRowsKeepExactlyTheFittingIvs) {
  for (int round = 0; round < 300; ++round) {
    Monster m;
    bool misread;
    EngineCall call = CallWithRows(m, 100, misread);
    IvResult r = call.Result();
    IvMask expected[StatCount];
    bool empty = false;
    for (int s = 0; s < StatCount; ++s) {
      expected[s] = AllIvs;
      for (const StatusEntry& e : call.entries)
        expected[s] &= FittingIvs(m, *m.nature, s, e);
      empty |= expected[s] == 0;
    }
    for (int s = 0; s < StatCount; ++s)
      ASSERT_EQ(r.stats[s].mask, empty ? 0u : expected[s]) << round;
    if (!misread) ExpectContains(r, m);
  }
}

// The union over the natures that fit equals the natures tried one by one.
TEST_F(PropertyTest, UnknownNatureIsTheUnionOfTheNaturesThatFit) {
  for (int round = 0; round < 400; ++round) {
    Monster m;
    bool misread;
    EngineCall call = CallWithRows(m, 100, misread);
    if (rng() % 2) AddTrueClues(m, call);
    IvResult any{};
    uint32_t natures = 0;
    ASSERT_EQ(call.RunAny(any, &natures), CalcOk);
    IvResult expected{};
    uint32_t fitting = 0;
    for (int n = 0; n < NatureCount; ++n) {
      call.nature = NatureTable[n].name;
      IvResult one = call.Result();
      if (one.stats[StatHp].mask == 0) continue;
      for (int s = 0; s < StatCount; ++s) {
        StatResult& to = expected.stats[s];
        if (fitting != 0 && to.natureDir != one.stats[s].natureDir)
          to.natureDir = 2;  // natures disagree
        else if (to.natureDir != 2)
          to.natureDir = one.stats[s].natureDir;
        to.mask |= one.stats[s].mask;
      }
      fitting |= 1u << n;
    }
    ASSERT_EQ(natures, fitting) << round;
    bool pinned = fitting != 0;
    for (int s = 0; s < StatCount; ++s) {
      EXPECT_EQ(any.stats[s].mask, expected.stats[s].mask) << round;
      if (s != StatHp) {  // mixed (2) shows as 0
        EXPECT_EQ(any.stats[s].natureDir, expected.stats[s].natureDir % 2);
      }
      pinned &= __builtin_popcount(expected.stats[s].mask) == 1;
    }
    EXPECT_EQ(any.hiddenPowerKnown, pinned ? 1 : 0);
    if (misread) continue;
    EXPECT_TRUE(natures >> (m.nature - NatureTable) & 1u) << round;
    ExpectContains(any, m);
  }
}

// The hint of one stat by trying each level: the candidates are the pairs
// (nature, IV) of the natures that fit.
LevelHint SearchedHint(const Monster& m, EngineCall call, uint32_t natures,
                       int s) {
  const StatusEntry* latest = &call.entries[0];
  for (const StatusEntry& e : call.entries)
    if (e.level >= latest->level) latest = &e;
  std::vector<std::pair<const NatureRecord*, int>> pairs;
  IvMask all = 0;
  for (int n = 0; n < NatureCount; ++n) {
    if (!(natures >> n & 1u)) continue;
    call.nature = NatureTable[n].name;
    IvMask mask = call.Result().stats[s].mask;
    all |= mask;
    for (int iv = 0; iv < 32; ++iv)
      if (mask >> iv & 1u) pairs.push_back({&NatureTable[n], iv});
  }
  if (__builtin_popcount(all) < 2 || latest->effortUnknown)
    return {NoLevelHint, NoLevelHint};
  LevelHint hint{NoLevelUpTo100, NoLevelUpTo100};
  if (s == StatHp && NameEquals(ShedinjaName, m.species->name)) return hint;
  for (int level = latest->level + 1; level <= 100; ++level) {
    std::map<uint16_t, int> ivOfValue;
    bool pins = true;
    for (const auto& [nature, iv] : pairs) {
      auto value = static_cast<uint16_t>(ShownStat(
          *m.species, *nature, s, iv, level, latest->effortValues[s]));
      auto [at, added] = ivOfValue.insert({value, iv});
      pins &= added || at->second == iv;
    }
    if (hint.firstSplit < 0 && ivOfValue.size() > 1) hint.firstSplit = level;
    if (hint.firstSplit > 0 && pins) return {hint.firstSplit, level};
  }
  return hint;
}

TEST_F(PropertyTest, NextLevelHintsMatchASearchOverLevels) {
  for (int round = 0; round < 300; ++round) {
    Monster m;
    bool misread;
    EngineCall call = CallWithRows(m, round % 2 ? 100 : 20, misread);
    if (rng() % 3 == 0) call.nature = nullptr;
    if (rng() % 2) AddTrueClues(m, call);
    IvResult r{};
    uint32_t natures = 0;
    LevelHint hints[StatCount];
    ASSERT_EQ(call.RunAny(r, &natures, hints), CalcOk);
    if (call.nature != nullptr) {
      IvResult plain = call.Result();
      EXPECT_EQ(std::memcmp(&plain, &r, sizeof r), 0) << round;
    }
    for (int s = 0; s < StatCount; ++s) {
      LevelHint expected = SearchedHint(m, call, natures, s);
      EXPECT_EQ(hints[s].firstSplit, expected.firstSplit) << round << " " << s;
      EXPECT_EQ(hints[s].allDistinct, expected.allDistinct)
          << round << " " << s;
    }
  }
}

}  // namespace
