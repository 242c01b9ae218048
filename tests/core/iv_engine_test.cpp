// The engine query: lookups, narrowing by observations, result codes.
#include <gtest/gtest.h>

#include <cstring>

#include "data/species_order.h"
#include "support/engine_call.h"
#include "support/test_data.h"
#include "support/true_monster.h"

namespace {

class IvEngineTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadTestGameData()); }
};

TEST_F(IvEngineTest, BulbasaurAtLevel50KeepsThirtyAndThirtyOne) {
  EngineCall call;
  call.Observe(50, {120, 75, 69, 76, 85, 65});
  IvResult r{};
  ASSERT_EQ(call.Run(r), CalcOk);
  for (int s = 0; s < StatCount; ++s) {
    EXPECT_EQ(r.stats[s].mask, Range(30, 31)) << s;
    EXPECT_EQ(r.stats[s].minIv, 30);
    EXPECT_EQ(r.stats[s].maxIv, 31);
  }
  EXPECT_EQ(r.stats[StatAttack].natureDir, 1);
  EXPECT_EQ(r.stats[StatSpAtk].natureDir, -1);
  EXPECT_EQ(r.stats[StatDefense].natureDir, 0);
  EXPECT_EQ(r.stats[StatSpDef].natureDir, 0);
  EXPECT_EQ(r.stats[StatSpeed].natureDir, 0);
  EXPECT_EQ(r.hiddenPowerKnown, 0);
  EXPECT_EQ(r.hiddenPowerType[0], 0);
  EXPECT_EQ(r.hiddenPowerPower, 0);
}

TEST_F(IvEngineTest, SecondObservationPinsEveryStatAndGivesHiddenPower) {
  EngineCall call;
  call.Observe(50, {120, 75, 69, 76, 85, 65})
      .Observe(100, {231, 147, 134, 149, 166, 126});
  IvResult r = call.Result();
  for (const StatResult& s : r.stats) EXPECT_EQ(s.mask, 1u << 31);
  EXPECT_EQ(r.hiddenPowerKnown, 1);
  EXPECT_TRUE(NameEquals(u"あく", r.hiddenPowerType));
  EXPECT_EQ(r.hiddenPowerPower, 60);
  call.game = &Gen(5);
  r = call.Result();
  EXPECT_EQ(r.hiddenPowerPower, 70);
}

TEST_F(IvEngineTest, EffortValuesShiftTheRangesInEveryClassicMode) {
  EngineCall call;
  call.Observe(50, {121, 104, 60, 65, 85, 92}, {4, 252, 0, 0, 0, 252});
  IvResult r = call.Result();
  EXPECT_EQ(r.stats[StatHp].mask, Range(31, 31));
  EXPECT_EQ(r.stats[StatAttack].mask, Range(19, 20));
  EXPECT_EQ(r.stats[StatDefense].mask, Range(12, 13));
  EXPECT_EQ(r.stats[StatSpAtk].mask, Range(6, 7));
  EXPECT_EQ(r.stats[StatSpDef].mask, Range(30, 31));
  EXPECT_EQ(r.stats[StatSpeed].mask, Range(21, 22));
  // The same in the other classic generations.
  for (int generation : {3, 4, 5}) {
    call.game = &Gen(generation);
    IvResult other = call.Result();
    for (int s = 0; s < StatCount; ++s)
      EXPECT_EQ(other.stats[s].mask, r.stats[s].mask) << generation;
  }
}

TEST_F(IvEngineTest, NoObservationsLeaveEverythingOpen) {
  EngineCall call;
  call.nature = u"すなお";
  IvResult r{};
  ASSERT_EQ(call.Run(r), CalcOk);
  for (const StatResult& s : r.stats) {
    EXPECT_EQ(s.mask, AllIvs);
    EXPECT_EQ(s.minIv, 0);
    EXPECT_EQ(s.maxIv, 31);
    EXPECT_EQ(s.natureDir, 0);
  }
  // A negative count skips the observations too.
  call.Observe(50, {1, 1, 1, 1, 1, 1});
  IvQuery query = call.Query(call.nature, false);
  query.entryCount = -5;
  ASSERT_EQ(call.Answer(query, r, nullptr, nullptr), CalcOk);
  EXPECT_EQ(r.stats[StatHp].mask, AllIvs);
}

TEST_F(IvEngineTest, UnknownNamesLeaveTheResultUntouched) {
  IvResult r;
  std::memset(&r, 0xAB, sizeof r);
  IvResult before = r;
  EngineCall call;
  call.Observe(50, {120, 75, 69, 76, 85, 65});
  call.species = u"フシギダ";
  EXPECT_EQ(call.Run(r), CalcUnknownSpecies);
  call.species = u"";
  EXPECT_EQ(call.Run(r), CalcUnknownSpecies);
  call.species = nullptr;
  EXPECT_EQ(call.Run(r), CalcUnknownSpecies);
  call.species = u"フシギダネ";
  call.nature = u"いじっぱ";
  EXPECT_EQ(call.Run(r), CalcUnknownNature);
  call.nature = u"いじっぱりX";
  EXPECT_EQ(call.Run(r), CalcUnknownNature);
  call.game = nullptr;
  EXPECT_EQ(call.Run(r), CalcUnknownGame);
  EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0);
}

TEST_F(IvEngineTest, UnterminatedNameBufferIsReadNoFurtherThanANameCanBe) {
  char16_t buffer[SpeciesNameCapacity];
  for (char16_t& unit : buffer) unit = u'ア';
  EngineCall call;
  call.species = buffer;
  IvResult r{};
  EXPECT_EQ(call.Run(r), CalcUnknownSpecies);
  char16_t nature[NatureNameMaxLength + 1];
  for (char16_t& unit : nature) unit = u'い';
  call.species = u"フシギダネ";
  call.nature = nature;
  EXPECT_EQ(call.Run(r), CalcUnknownNature);
}

// The stats a record shows at one level with IV `iv` and zero effort, under
// a neutral nature.
EngineCall ObserveRecord(const SpeciesRecord& record, int iv, int level) {
  EngineCall call;
  call.species = record.name;
  call.nature = u"まじめ";
  const int ivs[StatCount] = {iv, iv, iv, iv, iv, iv};
  const uint16_t efforts[StatCount] = {};
  call.entries.push_back(
      ShownStats(record, NatureTable[10], ivs, level, efforts));  // すなお
  return call;
}

const SpeciesRecord* FindRow(const char16_t* name, bool gen6) {
  for (const SpeciesRecord& r : SpeciesTable)
    if (NameEquals(name, r.name) && (r.nationalNo6 != NoNumber) == gen6)
      return &r;
  return nullptr;
}

TEST_F(IvEngineTest, NameThatNoModeListsIsStillFound) {
  const SpeciesRecord* mega = FindRow(u"リザードン　メガリザードンＸ", false);
  ASSERT_NE(mega, nullptr);
  IvResult r = ObserveRecord(*mega, 17, 100).Result();
  for (const StatResult& s : r.stats) EXPECT_EQ(s.mask, 1u << 17);
}

TEST_F(IvEngineTest, SharedNameUsesTheRecordOfTheCurrentMode) {
  const SpeciesRecord* old = FindRow(u"ピカチュウ", false);
  const SpeciesRecord* now = FindRow(u"ピカチュウ", true);
  ASSERT_NE(old, nullptr);
  ASSERT_NE(now, nullptr);
  EngineCall gen5Stats = ObserveRecord(*old, 9, 100);
  EngineCall gen6Stats = ObserveRecord(*now, 9, 100);
  // The records move when the table is sorted: name them by a fixed text.
  gen5Stats.species = gen6Stats.species = u"ピカチュウ";
  for (int order : {OrderKana, OrderNational, OrderXyCentralKalos}) {
    for (int generation : {3, 6}) {
      SortSpeciesTable(order, Gen(generation));
      gen5Stats.game = gen6Stats.game = &Gen(generation);
      IvResult fromOld = gen5Stats.Result();
      IvResult fromNew = gen6Stats.Result();
      bool oldFits = fromOld.stats[StatDefense].mask == 1u << 9;
      bool newFits = fromNew.stats[StatDefense].mask == 1u << 9;
      EXPECT_EQ(oldFits, generation == 3) << order;
      EXPECT_EQ(newFits, generation == 6) << order;
    }
  }
}

TEST_F(IvEngineTest, ImpossibleSpeedEmptiesEveryStat) {
  EngineCall call;
  call.Observe(50, {120, 75, 69, 76, 85, 500});
  IvResult r{};
  ASSERT_EQ(call.Run(r), CalcOk);
  for (const StatResult& s : r.stats) EXPECT_EQ(s.mask, 0u);
  EXPECT_EQ(r.hiddenPowerKnown, 0);
  // An empty stat cell (0) can never be reproduced either.
  EngineCall zero;
  zero.Observe(50, {120, 0, 69, 76, 85, 65});
  r = zero.Result();
  for (const StatResult& s : r.stats) EXPECT_EQ(s.mask, 0u);
  // The nature's directions are still reported.
  EXPECT_EQ(r.stats[StatAttack].natureDir, 1);
}

TEST_F(IvEngineTest, ShedinjaHpIsOneOrNothing) {
  const SpeciesRecord* shedinja = FindRow(u"ヌケニン", true);
  ASSERT_NE(shedinja, nullptr);
  EngineCall call = ObserveRecord(*shedinja, 4, 30);
  call.entries[0].stats[StatHp] = 1;
  IvResult r = call.Result();
  EXPECT_EQ(r.stats[StatHp].mask, AllIvs);
  EXPECT_EQ(r.stats[StatAttack].mask & (1u << 4), 1u << 4);
  call.entries[0].stats[StatHp] = 2;
  r = call.Result();
  for (const StatResult& s : r.stats) EXPECT_EQ(s.mask, 0u);
}

TEST_F(IvEngineTest, ExtremeInputsAreData) {
  EngineCall call;
  call.Observe(0, {65535, 65535, 0, 0, 65535, 1},
               {65535, 65535, 65535, 0, 1, 2})
      .Observe(255, {0, 0, 0, 0, 0, 0},
               {65535, 65535, 65535, 65535, 65535, 65535});
  call.overall = 99;
  call.best = -7;
  for (int& m : call.marks) m = 12345;
  IvResult r{};
  EXPECT_EQ(call.Run(r), CalcOk);
}

}  // namespace
