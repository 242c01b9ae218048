// The clue stage on hand-set candidate masks.
#include <gtest/gtest.h>

#include "engine/engine_internal.h"
#include "engine_call.h"
#include "support/test_data.h"

namespace {

struct Clues {
  const char16_t* characteristic = u"";
  const char16_t* type = u"";
  int32_t overall = 0;
  int32_t marks[StatCount] = {2, 2, 2, 2, 2, 2};
  int32_t best = 0;
};

// Runs the clue stage on the given masks (bounds refreshed first, as the
// engine does after the observations).
IvResult Apply(std::initializer_list<IvMask> masks, const Clues& clues) {
  IvResult r{};
  int i = 0;
  for (IvMask m : masks) {
    r.stats[i].mask = m;
    RefreshBounds(r.stats[i]);
    ++i;
  }
  IvClues input{clues.characteristic,
                clues.type,
                clues.overall,
                {clues.marks[0], clues.marks[1], clues.marks[2], clues.marks[3],
                 clues.marks[4], clues.marks[5]},
                clues.best,
                {}};
  ApplyClues(r, input);
  return r;
}

const IvMask All = AllIvs;
IvMask Pin(int v) { return 1u << v; }

void ExpectAllEmpty(const IvResult& r) {
  for (const StatResult& s : r.stats) EXPECT_EQ(s.mask, 0u);
}

TEST(CharacteristicTest, RemainderZeroOnHp) {
  Clues c;
  c.characteristic = u"たべるのが　だいすき";
  IvResult r = Apply({All, All, All, All, All, All}, c);
  EXPECT_EQ(r.stats[StatHp].mask, 0x42108421u);
  for (int s = 1; s < StatCount; ++s) EXPECT_EQ(r.stats[s].mask, Range(0, 30));
  EXPECT_EQ(r.stats[StatHp].maxIv, 30);
}

TEST(CharacteristicTest, RemainderTwoCapsAtTwentySeven) {
  Clues c;
  c.characteristic = u"おっちょこちょい";
  IvResult r = Apply({All, All, All, All, All, All}, c);
  EXPECT_EQ(r.stats[StatSpeed].mask, 0x08421084u);
  for (int s = 0; s < 5; ++s) EXPECT_EQ(r.stats[s].mask, Range(0, 27));
}

TEST(CharacteristicTest, PinnedNamedStatCapsTheOthersInclusive) {
  Clues c;
  c.characteristic = u"ちからが　じまん";  // Attack, remainder 0
  IvResult r = Apply({All, Pin(20), All, All, Range(10, 31), All}, c);
  EXPECT_EQ(r.stats[StatAttack].mask, Pin(20));
  EXPECT_EQ(r.stats[StatHp].mask, Range(0, 20));
  EXPECT_EQ(r.stats[StatSpDef].mask, Range(10, 20));
}

TEST(CharacteristicTest, UnpinnedNamedStatLeavesTheCapOnly) {
  Clues c;
  c.characteristic = u"ちからが　じまん";
  IvResult r = Apply({All, Pin(20) | Pin(25), All, All, All, All}, c);
  EXPECT_EQ(r.stats[StatAttack].mask, Pin(20) | Pin(25));
  EXPECT_EQ(r.stats[StatHp].mask, Range(0, 30));
}

TEST(CharacteristicTest, NamedStatBelowAnotherStatEmptiesAll) {
  Clues c;
  c.characteristic = u"ちからが　じまん";
  ExpectAllEmpty(Apply({Range(26, 28), Range(0, 10), All, All, All, All}, c));
}

TEST(CharacteristicTest, UnknownTextIsNoClue) {
  Clues c;
  c.characteristic = u"ちからが じまん";  // plain space: not a table text
  IvResult r = Apply({All, All, All, All, All, All}, c);
  for (const StatResult& s : r.stats) EXPECT_EQ(s.mask, All);
}

TEST(BestStatJudgeTest, VerdictAndMarkNarrowBestAndOthers) {
  Clues c;
  c.best = 2;  // すばらしい ちから: 26..30
  c.marks[StatAttack] = MarkBest;
  IvResult r = Apply({All, All, Range(0, 10), All, All, All}, c);
  EXPECT_EQ(r.stats[StatAttack].mask, Range(26, 30));
  EXPECT_EQ(r.stats[StatHp].mask, Range(0, 30));
  EXPECT_EQ(r.stats[StatDefense].mask, Range(0, 10));
  // A best stat pinned lower caps the unknown stats at it.
  r = Apply({All, Pin(27), All, All, All, All}, c);
  EXPECT_EQ(r.stats[StatHp].mask, Range(0, 27));
}

TEST(BestStatJudgeTest, TwoBestStatsShareOneIv) {
  Clues c;
  c.marks[StatHp] = MarkBest;
  c.marks[StatSpeed] = MarkBest;
  IvResult r = Apply({Range(10, 20), All, All, All, All, Range(15, 25)}, c);
  EXPECT_EQ(r.stats[StatHp].mask, Range(15, 20));
  EXPECT_EQ(r.stats[StatSpeed].mask, Range(15, 20));
  EXPECT_EQ(r.stats[StatAttack].mask, Range(0, 20));
}

TEST(BestStatJudgeTest, NotBestIsStrictlyBelow) {
  Clues c;
  c.marks[StatHp] = MarkBest;
  c.marks[StatDefense] = MarkNotBest;
  IvResult r = Apply({Pin(31), All, All, All, All, All}, c);
  EXPECT_EQ(r.stats[StatDefense].mask, Range(0, 30));
  EXPECT_EQ(r.stats[StatAttack].mask, All);
  ExpectAllEmpty(Apply({Pin(0), All, All, All, All, All}, c));
}

TEST(BestStatJudgeTest, NothingKnownChangesNothing) {
  Clues c;
  c.marks[StatAttack] = 7;  // any other value is unknown
  c.best = 9;
  IvResult r = Apply({Range(3, 9), All, Pin(4), All, All, All}, c);
  EXPECT_EQ(r.stats[StatHp].mask, Range(3, 9));
  EXPECT_EQ(r.stats[StatAttack].mask, All);
  EXPECT_EQ(r.stats[StatDefense].mask, Pin(4));
}

TEST(OverallJudgeTest, SumRanges) {
  Clues c;
  c.overall = 4;  // まずまず: 0..90
  ExpectAllEmpty(Apply({Pin(20), Pin(20), Pin(20), Pin(20), Pin(20), All}, c));
  c.overall = 1;  // すばらしい: 151..186
  const IvMask upTo25 = Range(0, 25);
  IvResult r = Apply({upTo25, upTo25, upTo25, upTo25, upTo25, All}, c);
  EXPECT_EQ(r.stats[StatSpeed].mask, Range(26, 31));
  c.overall = 3;  // へいきん いじょう: 91..120
  r = Apply({Pin(20), Pin(20), Pin(20), Pin(20), Pin(20), All}, c);
  EXPECT_EQ(r.stats[StatSpeed].mask, Range(0, 20));
}

TEST(HiddenPowerTypeTest, DarkNeedsEveryIvOdd) {
  Clues c;
  c.type = u"あく";
  IvResult r = Apply({All, All, All, All, All, All}, c);
  for (const StatResult& s : r.stats) EXPECT_EQ(s.mask, 0xAAAAAAAAu);
}

TEST(HiddenPowerTypeTest, FightingFixesTheHeavyStatsEven) {
  Clues c;
  c.type = u"かくとう";  // t = 0..4
  IvResult r = Apply({All, All, All, All, All, All}, c);
  EXPECT_EQ(r.stats[StatHp].mask, All);
  EXPECT_EQ(r.stats[StatAttack].mask, All);
  EXPECT_EQ(r.stats[StatDefense].mask, All);
  EXPECT_EQ(r.stats[StatSpAtk].mask, 0x55555555u);
  EXPECT_EQ(r.stats[StatSpDef].mask, 0x55555555u);
  EXPECT_EQ(r.stats[StatSpeed].mask, 0x55555555u);
}

TEST(HiddenPowerTypeTest, ImpossibleTypeEmptiesAll) {
  Clues c;
  c.type = u"あく";
  ExpectAllEmpty(Apply({Pin(30), All, All, All, All, All}, c));
}

TEST(ClueStageTest, EmptyInputRunsNoPass) {
  Clues c;
  c.characteristic = u"たべるのが　だいすき";
  IvResult r = Apply({0, 0, 0, 0, 0, 0}, c);
  ExpectAllEmpty(r);
}

TEST(ClueStageTest, ContradictionInOneStatEmptiesAllSix) {
  Clues c;
  c.best = 1;  // 31 for the best stat
  c.marks[StatSpeed] = MarkBest;
  ExpectAllEmpty(Apply({All, All, All, All, All, Range(0, 30)}, c));
}

TEST(ClueStageTest, TablesMatchTheClueLists) {
  EXPECT_TRUE(NameEquals(u"あばれることが　すき", CharacteristicTable[0].text));
  EXPECT_TRUE(
      NameEquals(u"ものを　よく　ちらかす", CharacteristicTable[29].text));
  EXPECT_TRUE(NameEquals(u"", OverallVerdict[0].text));
  EXPECT_TRUE(NameEquals(u"まずまずの のうりょく", OverallVerdict[4].text));
  EXPECT_TRUE(NameEquals(u"さいこうの ちから (ばっちりっ! ぱーふぇくと)",
                         BestStatVerdict[1].text));
  for (const CharacteristicRecord& c : CharacteristicTable) {
    int n = 0;
    while (c.text[n] != 0) ++n;
    EXPECT_LE(n, 12);
  }
  // Every stat and remainder occurs exactly once.
  int seen[StatCount][5] = {};
  for (const CharacteristicRecord& c : CharacteristicTable)
    ++seen[c.stat][c.remainder];
  for (auto& row : seen)
    for (int count : row) EXPECT_EQ(count, 1);
}

}  // namespace
