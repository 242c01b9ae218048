// Randomised checks: monsters built from known IVs must keep those IVs among
// the candidates, with or without the clues they would show in the game.
#include <gtest/gtest.h>

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

}  // namespace
