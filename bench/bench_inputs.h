// The inputs that the benchmark and the callgrind probe measure.
#pragma once

#include "engine/engine.h"
#include "support/test_data.h"

// フシギダネ, いじっぱり, observed at levels 50, 75 and 100.
inline const StatusEntry* BenchEntries() {
  static const StatusEntry entries[3] = {
      {50, {120, 75, 69, 76, 85, 65}, {0, 0, 0, 0, 0, 0}},
      {75, {175, 111, 101, 112, 125, 95}, {0, 0, 0, 0, 0, 0}},
      {100, {231, 147, 134, 149, 166, 126}, {0, 0, 0, 0, 0, 0}},
  };
  return entries;
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
