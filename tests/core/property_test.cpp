// Randomised checks: monsters built from known IVs must keep those IVs among
// the candidates, with or without the clues they would show in the game.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <vector>

#include "support/engine_call.h"
#include "support/test_data.h"
#include "support/true_monster.h"

namespace {

struct Monster {
  const GameDefinition* game;
  SpeciesRecord species;  // a modern record in the game's generation's shape
  const NatureRecord* nature;
  int ivs[StatCount];
  int trained;  // stats hyper trained (games with hyperTraining, IVs below 31)
};

bool HasHiddenPower(const Monster& m) {
  return m.game->hiddenPowerPower != HiddenPowerPowerRule::None;
}

class PropertyTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadTestGameData()); }

  Monster RandomMonster(const GameDefinition& game) {
    std::vector<SpeciesRecord> listed;  // from the game's table
    for (const SpeciesRecord& r : SpeciesTable)
      if (game.generation < 7 && IsListedInGame(r, game)) listed.push_back(r);
    for (const ModernSpeciesRecord& r : ModernSpeciesTable)
      if (IsListedInGeneration(r, game.generation))
        listed.push_back(SpeciesOfGeneration(r, game.generation));
    Monster m{&game, listed[rng() % listed.size()], nullptr, {}, 0};
    m.nature = &NatureTable[rng() % NatureCount];
    for (int& iv : m.ivs) iv = rng() % 32;
    for (int s = 0; s < StatCount && game.hyperTraining; ++s)
      if (m.ivs[s] < 31 && rng() % 3 == 0) m.trained |= 1 << s;
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
    // Mostly read after all the training, sometimes before some of it.
    int trained = m.trained & (rng() % 4 ? 0x3F : rng() % 64);
    StatusEntry e =
        ShownStats(m.species, *m.nature, m.ivs, level, efforts, trained);
    // Marks of training mean nothing in the other games.
    if (!m.game->hyperTraining && rng() % 4 == 0) e.trained = rng() % 64;
    return e;
  }

  EngineCall CallFor(const Monster& m) {
    EngineCall call;
    call.game = m.game;
    call.species = m.species.name;
    call.nature = m.nature->name;
    return call;
  }

  // Clues the game would give for these IVs; some marks and verdicts left
  // unknown. The clues the game does not give (the other judge, a hidden
  // power type where there is none) are arbitrary: they must be ignored.
  void AddTrueClues(const Monster& m, EngineCall& call) {
    bool perStat = m.game->judge == JudgeKind::PerStat;
    call.characteristic =
        CharacteristicTable[CharacteristicOf(m.ivs, rng())].text;
    call.hiddenPowerType =
        HiddenPowerTypeNames[HasHiddenPower(m) ? HiddenPowerTypeOf(m.ivs)
                                               : rng() % HiddenPowerTypeCount];
    call.overall = OverallVerdictOf(m.ivs);
    call.best = perStat ? rng() % VerdictCount : BestStatVerdictOf(m.ivs);
    for (int s = 0; s < StatCount; ++s) {
      call.statVerdicts[s] = !perStat ? rng() % StatVerdictCount
                             : rng() % 3
                                 ? StatVerdictOf(m.ivs[s], m.trained >> s & 1)
                                 : 0;
      if (rng() % 3 == 0) continue;  // the player did not note this one
      call.marks[s] = perStat ? rng() % 3 : BestStatMarkOf(m.ivs, s);
    }
  }

  // A random monster and a call with rows at random levels up to maxLevel,
  // each with its effort values unknown or not; some rows misread.
  EngineCall CallWithRows(Monster& m, int maxLevel, bool& misread) {
    m = RandomMonster(Gen(6 + rng() % 4));
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

// The result keeps the engine's invariants and the true IVs (so they also
// lie within the bounds).
void ExpectContains(const IvResult& r, const Monster& m) {
  EXPECT_STREQ(BrokenResultInvariant(r, m.game->hiddenPowerPower), nullptr);
  for (int s = 0; s < StatCount; ++s)
    ASSERT_TRUE(r.stats[s].mask & (1u << m.ivs[s]))
        << "stat " << s << " lost the true IV " << m.ivs[s];
}

// One to three observations, then with the clues the game would give, then
// the clues alone: the true IVs survive each.
TEST_F(PropertyTest, TrueIvsSurviveObservationsAndTheirOwnClues) {
  for (int round = 0; round < 1500; ++round) {
    Monster m = RandomMonster(GameDefinitions[round % GameDefinitionCount]);
    EngineCall call = CallFor(m);
    int observations = 1 + rng() % 3;
    for (int i = 0; i < observations; ++i)
      call.entries.push_back(Observe(m, 1 + rng() % 100));
    IvResult r{};
    ASSERT_EQ(call.Run(r), CalcOk) << round;
    ExpectContains(r, m);
    AddTrueClues(m, call);
    ASSERT_EQ(call.Run(r), CalcOk) << round;
    ExpectContains(r, m);
    call.entries.clear();
    ASSERT_EQ(call.Run(r), CalcOk) << round;
    ExpectContains(r, m);
  }
}

// Two rows intersect, half the time with the second misread; each result
// keeps the invariants, also with clues from another monster that may not
// fit.
TEST_F(PropertyTest, SeveralObservationsIntersectAndKeepTheInvariants) {
  for (int round = 0; round < 1000; ++round) {
    Monster m = RandomMonster(Gen(6));
    StatusEntry a = Observe(m, 1 + rng() % 100);
    StatusEntry b = Observe(m, 1 + rng() % 100);
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
    call.entries.assign(1, b);
    if (rng() % 2) AddTrueClues(RandomMonster(Gen(6)), call);
    for (const IvResult& r : {ra, rb, both, call.Result()})
      EXPECT_STREQ(BrokenResultInvariant(r, m.game->hiddenPowerPower), nullptr)
          << round;
  }
}

// IVs of a stat for which the row's effort value, or when it is unknown some
// effort value 0..255, gives the shown value; for a stat read after training
// 0..30 when IV 31 gives it.
IvMask FittingIvs(const Monster& m, const NatureRecord& nature, int stat,
                  const StatusEntry& e) {
  bool trained = m.game->hyperTraining && e.trained >> stat & 1;
  IvMask mask = 0;
  for (int iv = 0; iv < 32; ++iv)
    for (int ev = 0; ev < (e.effortUnknown ? 256 : 1); ++ev)
      if (stat == StatHp && NameEquals(ShedinjaName, m.species.name)
              ? e.stats[StatHp] == 1
              : static_cast<uint16_t>(ShownStat(
                    m.species, nature, stat, trained ? 31 : iv, e.level,
                    e.effortUnknown ? ev : e.effortValues[stat])) ==
                    e.stats[stat])
        mask |= 1u << iv;
  return trained ? mask & 0x7FFFFFFFu : mask;
}

// The hint of stat s by trying each level: the candidates are the pairs
// (nature, IV) of the results in `byNature` of the natures that fit.
LevelHint SearchedHint(const Monster& m, const std::vector<StatusEntry>& rows,
                       const IvResult* byNature, uint32_t natures, int s) {
  const StatusEntry* latest = &rows[0];
  for (const StatusEntry& e : rows)
    if (e.level >= latest->level) latest = &e;
  IvMask all = 0;
  for (int n = 0; n < NatureCount; ++n)
    if (natures >> n & 1u) all |= byNature[n].stats[s].mask;
  bool trained = m.game->hyperTraining && latest->trained >> s & 1;
  if (__builtin_popcount(all) < 2 || latest->effortUnknown || trained)
    return {NoLevelHint, NoLevelHint};
  LevelHint hint{NoLevelUpTo100, NoLevelUpTo100};
  if (s == StatHp && NameEquals(ShedinjaName, m.species.name)) return hint;
  for (int level = latest->level + 1; level <= 100; ++level) {
    std::map<uint16_t, int> ivOfValue;
    bool pins = true;
    for (int n = 0; n < NatureCount; ++n)
      for (IvMask rest = natures >> n & 1u ? byNature[n].stats[s].mask : 0;
           rest != 0; rest &= rest - 1) {
        int iv = __builtin_ctz(rest);
        auto [at, added] = ivOfValue.insert(
            {static_cast<uint16_t>(ShownStat(m.species, NatureTable[n], s, iv,
                                             level, latest->effortValues[s])),
             iv});
        pins &= added || at->second == iv;
      }
    if (hint.firstSplit < 0 && ivOfValue.size() > 1) hint.firstSplit = level;
    if (hint.firstSplit > 0 && pins) return {hint.firstSplit, level};
  }
  return hint;
}

// Rows with effort values known or not, the nature named or unknown: each
// nature's result against brute force over effort values (without clues),
// the unknown-nature result and nature set against the natures tried one by
// one, and the hints against a search over the levels.
TEST_F(PropertyTest, UnknownEffortNatureAndHintsMatchBruteForce) {
  for (int round = 0; round < 600; ++round) {
    Monster m;
    bool misread;
    EngineCall call = CallWithRows(m, round % 2 ? 100 : 20, misread);
    bool clued = rng() % 2;
    if (clued) AddTrueClues(m, call);
    const char16_t* named = rng() % 3 ? nullptr : m.nature->name;
    call.nature = named;
    IvResult r{}, any{}, byNature[NatureCount] = {}, expected{};
    uint32_t natures = 0, anySet = 0, fitting = 0;
    LevelHint hints[StatCount];
    ASSERT_EQ(call.RunAny(r, &natures, hints), CalcOk);
    ASSERT_EQ(call.RunAny(any, &anySet), CalcOk);
    for (int n = 0; n < NatureCount; ++n) {
      call.nature = NatureTable[n].name;
      if (named == nullptr || &NatureTable[n] == m.nature)
        byNature[n] = call.Result();
      if (byNature[n].stats[StatHp].mask == 0) continue;
      for (int s = 0; s < StatCount; ++s) {
        StatResult& to = expected.stats[s];
        int dir = byNature[n].stats[s].natureDir;
        to.natureDir = fitting == 0 || to.natureDir == dir ? dir : 0;
        to.mask |= byNature[n].stats[s].mask;
      }
      fitting |= 1u << n;
    }
    ASSERT_EQ(natures, fitting) << round;
    EXPECT_EQ(named ? anySet & natures : anySet, natures);
    const IvResult& own = byNature[m.nature - NatureTable];
    EXPECT_EQ(std::memcmp(&r, named ? &own : &any, sizeof r), 0) << round;
    bool pinned = fitting != 0;
    for (int s = 0; s < StatCount && (!named || fitting); ++s) {
      EXPECT_EQ(r.stats[s].mask, expected.stats[s].mask) << round;
      EXPECT_EQ(r.stats[s].natureDir, expected.stats[s].natureDir) << round;
      pinned &= __builtin_popcount(expected.stats[s].mask) == 1;
    }
    EXPECT_EQ(r.hiddenPowerKnown, pinned && HasHiddenPower(m) ? 1 : 0);
    IvMask fits[StatCount];
    bool empty = false;
    for (int s = 0; s < StatCount && !clued; ++s) {
      fits[s] = AllIvs;
      for (const StatusEntry& e : call.entries)
        fits[s] &= FittingIvs(m, *m.nature, s, e);
      empty |= fits[s] == 0;
    }
    for (int s = 0; s < StatCount && !clued; ++s)
      EXPECT_EQ(own.stats[s].mask, empty ? 0u : fits[s]) << round;
    for (int s = 0; s < StatCount; ++s) {
      LevelHint want = SearchedHint(m, call.entries, byNature, natures, s);
      EXPECT_EQ(hints[s].firstSplit, want.firstSplit) << round << " " << s;
      EXPECT_EQ(hints[s].allDistinct, want.allDistinct) << round << " " << s;
    }
    if (misread) continue;
    EXPECT_TRUE(natures >> (m.nature - NatureTable) & 1u) << round;
    ExpectContains(r, m);
  }
}

}  // namespace
