// The inputs that the benchmark and the callgrind probe measure.
#pragma once

#include "engine/engine.h"
#include "support/test_data.h"

// フシギダネ, いじっぱり, observed at levels 50, 75 and 100 (effort values 0,
// known).
inline const StatusEntry* BenchEntries() {
  static const StatusEntry entries[3] = {
      {50, {120, 75, 69, 76, 85, 65}, {0, 0, 0, 0, 0, 0}, 0},
      {75, {175, 111, 101, 112, 125, 95}, {0, 0, 0, 0, 0, 0}, 0},
      {100, {231, 147, 134, 149, 166, 126}, {0, 0, 0, 0, 0, 0}, 0},
  };
  return entries;
}

// The first of them with its effort values unknown.
inline const StatusEntry* BenchEntryUnknownEffort() {
  static const StatusEntry entry = {
      50, {120, 75, 69, 76, 85, 65}, {0, 0, 0, 0, 0, 0}, 1};
  return &entry;
}

// フシギダネ, いじっぱり (IVs 15) at level 5: some twenty candidates per stat,
// and no level up to 100 tells them all apart for some stats, so the hints
// look at every level.
inline const StatusEntry* BenchEntryLevel5() {
  static const StatusEntry entry = {
      5, {20, 11, 10, 10, 12, 10}, {0, 0, 0, 0, 0, 0}, 0};
  return &entry;
}

inline int32_t CallOneObservationNoClues(IvResult& result) {
  return CalcIndividualValues(u"フシギダネ", u"いじっぱり", BenchEntries(), 1,
                              &result, u"", u"", 0, 2, 2, 2, 2, 2, 2, 0);
}

inline int32_t CallThreeObservationsAllClues(IvResult& result) {
  return CalcIndividualValues(u"フシギダネ", u"いじっぱり", BenchEntries(), 3,
                              &result, u"ものおとに　びんかん", u"あく", 1, 1,
                              1, 1, 1, 1, 1, 1);
}

inline int32_t CallOneObservationWithHints(IvResult& result, LevelHint* hints) {
  return CalcIndividualValuesWithHints(u"フシギダネ", u"いじっぱり",
                                       BenchEntries(), 1, &result, nullptr,
                                       hints, u"", u"", 0, 2, 2, 2, 2, 2, 2, 0);
}

inline int32_t CallLevel5WithHints(IvResult& result, LevelHint* hints) {
  return CalcIndividualValuesWithHints(u"フシギダネ", u"いじっぱり",
                                       BenchEntryLevel5(), 1, &result, nullptr,
                                       hints, u"", u"", 0, 2, 2, 2, 2, 2, 2, 0);
}

inline int32_t CallThreeObservationsAllCluesAnyNature(IvResult& result,
                                                      uint32_t* natureSet) {
  return CalcIndividualValuesAnyNature(
      u"フシギダネ", BenchEntries(), 3, &result, natureSet,
      u"ものおとに　びんかん", u"あく", 1, 1, 1, 1, 1, 1, 1, 1);
}

inline int32_t CallOneObservationUnknownEffort(IvResult& result) {
  return CalcIndividualValues(u"フシギダネ", u"いじっぱり",
                              BenchEntryUnknownEffort(), 1, &result, u"", u"",
                              0, 2, 2, 2, 2, 2, 2, 0);
}
