// The inputs that the benchmark and the callgrind probe measure.
#pragma once

#include "engine/engine.h"
#include "support/test_data.h"

// フシギダネ, いじっぱり, observed at levels 50, 75 and 100 (effort values 0,
// known).
inline const StatusEntry* BenchEntries() {
  static const StatusEntry entries[3] = {
      {50, {120, 75, 69, 76, 85, 65}, {0, 0, 0, 0, 0, 0}, 0, 0},
      {75, {175, 111, 101, 112, 125, 95}, {0, 0, 0, 0, 0, 0}, 0, 0},
      {100, {231, 147, 134, 149, 166, 126}, {0, 0, 0, 0, 0, 0}, 0, 0},
  };
  return entries;
}

// The first of them with its effort values unknown.
inline const StatusEntry* BenchEntryUnknownEffort() {
  static const StatusEntry entry = {
      50, {120, 75, 69, 76, 85, 65}, {0, 0, 0, 0, 0, 0}, 1, 0};
  return &entry;
}

// フシギダネ, いじっぱり (IVs 15) at level 5: some twenty candidates per stat,
// and no level up to 100 tells them all apart for some stats, so the hints
// look at every level.
inline const StatusEntry* BenchEntryLevel5() {
  static const StatusEntry entry = {
      5, {20, 11, 10, 10, 12, 10}, {0, 0, 0, 0, 0, 0}, 0, 0};
  return &entry;
}

// The queries measured: フシギダネ in generation 6, いじっぱり unless the
// nature is unknown, no clues or all of them.
inline IvQuery BenchQuery(const StatusEntry* entries, int32_t count,
                          bool allClues, bool levelHints,
                          const char16_t* nature = u"いじっぱり") {
  IvQuery query{u"フシギダネ", nature, FindGameDefinition(6),
                entries,       count,  {u"", u"", 0, {2, 2, 2, 2, 2, 2}, 0, {}},
                levelHints};
  if (allClues)
    query.clues = {u"ものおとに　びんかん", u"あく", 1,
                   {1, 1, 1, 1, 1, 1},      1,       {}};
  return query;
}

// ニャオハ in generation 9 (row 977 of the 1,098), いじっぱり, IVs 12, 28, 20,
// 7, 30, 18 (StatIndex order), effort values 0: at levels 50, 75 and 100 with
// HP and Speed read after hyper training (they show IV 31's values), then at
// level 50 before any training.
constexpr uint8_t TrainedHpSpeed = 1u << StatHp | 1u << StatSpeed;
inline const StatusEntry* BenchEntriesMode9() {
  static const StatusEntry entries[4] = {
      {50, {115, 88, 69, 47, 65, 85}, {}, 0, TrainedHpSpeed},
      {75, {168, 128, 101, 69, 95, 125}, {}, 0, TrainedHpSpeed},
      {100, {221, 170, 133, 91, 125, 166}, {}, 0, TrainedHpSpeed},
      {50, {106, 88, 69, 47, 65, 79}, {}, 0, 0}};
  return entries;
}

// The generation 9 queries: no clues, or the characteristic, the overall
// verdict and a verdict for every stat ("きたえた" for the trained ones).
inline IvQuery BenchQueryMode9(int32_t first, int32_t count, bool clues) {
  IvQuery query{u"ニャオハ",
                u"いじっぱり",
                FindGameDefinition(9),
                BenchEntriesMode9() + first,
                count,
                {},
                false};
  if (clues) query.clues = {u"きが　つよい", u"", 3, {}, 0, {7, 3, 4, 5, 2, 7}};
  return query;
}
