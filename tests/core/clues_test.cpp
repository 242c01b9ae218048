// The clue stage on hand-set candidate masks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/engine_internal.h"
#include "support/engine_call.h"
#include "support/test_data.h"

namespace {

// One run of the clue stage: the clues, the six candidate masks before, and
// the six masks it must leave (bounds refreshed first, as the engine does
// after the observations).
struct StageCase {
  const char* what;
  const char16_t* characteristic;
  const char16_t* type;
  int32_t overall;
  int32_t best;
  int32_t marks[StatCount];
  IvMask before[StatCount];
  IvMask after[StatCount];
};

IvMask Pin(int v) { return 1u << v; }

TEST(ClueStageTest, EachClueNarrowsTheCandidates) {
  const IvMask A = AllIvs, To20 = Range(0, 20), To25 = Range(0, 25),
               To27 = Range(0, 27), To30 = Range(0, 30),
               From20To25 = Range(20, 25), Even = 0x55555555u,
               Odd = 0xAAAAAAAAu;
  const int32_t U = MarkUnknown, B = MarkBest, N = MarkNotBest;
  // clang-format off
  const StageCase cases[] = {
      {"characteristic, HP remainder 0", u"たべるのが　だいすき", u"", 0, 0,
       {U, U, U, U, U, U}, {A, A, A, A, A, A},
       {0x42108421u, To30, To30, To30, To30, To30}},
      {"characteristic, Speed remainder 2 caps at 27",
       u"おっちょこちょい", u"", 0, 0, {U, U, U, U, U, U}, {A, A, A, A, A, A},
       {To27, To27, To27, To27, To27, 0x08421084u}},
      {"pinned named stat caps the others inclusive",
       u"ちからが　じまん", u"", 0, 0, {U, U, U, U, U, U},
       {A, Pin(20), A, A, Range(10, 31), A},
       {To20, Pin(20), To20, To20, Range(10, 20), To20}},
      {"unpinned named stat leaves the cap only",
       u"ちからが　じまん", u"", 0, 0, {U, U, U, U, U, U},
       {A, Pin(20) | Pin(25), A, A, A, A},
       {To30, Pin(20) | Pin(25), To30, To30, To30, To30}},
      {"named stat below another stat", u"ちからが　じまん", u"", 0, 0,
       {U, U, U, U, U, U}, {Range(26, 28), Range(0, 10), A, A, A, A}, {}},
      {"plain space: not a characteristic", u"ちからが じまん", u"", 0, 0,
       {U, U, U, U, U, U}, {A, A, A, A, A, A}, {A, A, A, A, A, A}},
      {"best stat 26..30 and marked", u"", u"", 0, 2,
       {U, B, U, U, U, U}, {A, A, Range(0, 10), A, A, A},
       {To30, Range(26, 30), Range(0, 10), To30, To30, To30}},
      {"best stat pinned lower caps the unknown stats", u"", u"", 0, 2,
       {U, B, U, U, U, U}, {A, Pin(27), A, A, A, A},
       {To27, Pin(27), To27, To27, To27, To27}},
      {"two best stats share one IV", u"", u"", 0, 0,
       {B, U, U, U, U, B}, {Range(10, 20), A, A, A, A, Range(15, 25)},
       {Range(15, 20), To20, To20, To20, To20, Range(15, 20)}},
      {"not best is strictly below", u"", u"", 0, 0,
       {B, U, N, U, U, U}, {Pin(31), A, A, A, A, A},
       {Pin(31), A, To30, A, A, A}},
      {"not best below a best of 0", u"", u"", 0, 0,
       {B, U, N, U, U, U}, {Pin(0), A, A, A, A, A}, {}},
      {"a mark of 7 and a verdict of 9 are unknown", u"", u"", 0, 9,
       {U, 7, U, U, U, U}, {Range(3, 9), A, Pin(4), A, A, A},
       {Range(3, 9), A, Pin(4), A, A, A}},
      {"overall 0..90", u"", u"", 4, 0,
       {U, U, U, U, U, U}, {Pin(20), Pin(20), Pin(20), Pin(20), Pin(20), A},
       {}},
      {"overall 151..186", u"", u"", 1, 0,
       {U, U, U, U, U, U}, {To25, To25, To25, To25, To25, A},
       {From20To25, From20To25, From20To25, From20To25, From20To25,
        Range(26, 31)}},
      {"overall 91..120", u"", u"", 3, 0,
       {U, U, U, U, U, U}, {Pin(20), Pin(20), Pin(20), Pin(20), Pin(20), A},
       {Pin(20), Pin(20), Pin(20), Pin(20), Pin(20), To20}},
      {"あく needs every IV odd", u"", u"あく", 0, 0,
       {U, U, U, U, U, U}, {A, A, A, A, A, A}, {Odd, Odd, Odd, Odd, Odd, Odd}},
      {"かくとう fixes the heavy stats even", u"", u"かくとう", 0, 0,
       {U, U, U, U, U, U}, {A, A, A, A, A, A}, {A, A, A, Even, Even, Even}},
      {"impossible type", u"", u"あく", 0, 0,
       {U, U, U, U, U, U}, {Pin(30), A, A, A, A, A}, {}},
      {"empty input runs no pass", u"たべるのが　だいすき", u"", 0, 0,
       {U, U, U, U, U, U}, {}, {}},
      {"a contradiction in one stat empties all six", u"", u"", 0, 1,
       {U, U, U, U, U, B}, {A, A, A, A, A, To30}, {}},
  };
  // clang-format on
  for (const StageCase& c : cases) {
    IvResult r{};
    for (int s = 0; s < StatCount; ++s) {
      r.stats[s].mask = c.before[s];
      RefreshBounds(r.stats[s]);
    }
    IvClues clues{c.characteristic, c.type, c.overall, {}, c.best, {}};
    std::copy(c.marks, c.marks + StatCount, clues.marks);
    ApplyClues(r, clues);
    for (int s = 0; s < StatCount; ++s) {
      EXPECT_EQ(r.stats[s].mask, c.after[s]) << c.what << ", stat " << s;
      if (c.after[s] == 0) continue;
      EXPECT_EQ(r.stats[s].minIv, __builtin_ctz(c.after[s])) << c.what;
      EXPECT_EQ(r.stats[s].maxIv, 31 - __builtin_clz(c.after[s])) << c.what;
    }
  }
}

TEST(ClueStageTest, TablesMatchTheClueLists) {
  EXPECT_TRUE(NameEquals(u"あばれることが　すき", CharacteristicTable[0].text));
  EXPECT_TRUE(
      NameEquals(u"ものを　よく　ちらかす", CharacteristicTable[29].text));
  EXPECT_TRUE(NameEquals(u"", OverallVerdict[0].text));
  EXPECT_TRUE(NameEquals(u"まずまずの のうりょく", OverallVerdict[4].text));
  EXPECT_TRUE(NameEquals(u"さいこうの ちから (ばっちりっ! ぱーふぇくと)",
                         BestStatVerdict[1].text));
  for (const CharacteristicRecord& c : CharacteristicTable)
    EXPECT_LE(std::char_traits<char16_t>::length(c.text), 12u);
  // Every stat and remainder occurs exactly once.
  int seen[StatCount][5] = {};
  for (const CharacteristicRecord& c : CharacteristicTable)
    ++seen[c.stat][c.remainder];
  for (auto& row : seen)
    for (int count : row) EXPECT_EQ(count, 1);
}

}  // namespace
