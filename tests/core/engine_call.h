// A compact way for the tests to call the engine with named clue arguments.
#pragma once

#include <vector>

#include "engine/engine.h"

struct EngineCall {
  const char16_t* species = u"フシギダネ";
  const char16_t* nature = u"いじっぱり";
  std::vector<StatusEntry> entries;
  const char16_t* characteristic = u"";
  const char16_t* hiddenPowerType = u"";
  int32_t overall = 0;
  int32_t marks[StatCount] = {MarkUnknown, MarkUnknown, MarkUnknown,
                              MarkUnknown, MarkUnknown, MarkUnknown};
  int32_t best = 0;

  EngineCall& Observe(int level, std::initializer_list<int> stats,
                      std::initializer_list<int> efforts = {0, 0, 0, 0, 0, 0}) {
    StatusEntry e{};
    e.level = static_cast<uint8_t>(level);
    int i = 0;
    for (int s : stats) e.stats[i++] = static_cast<uint16_t>(s);
    i = 0;
    for (int v : efforts) e.effortValues[i++] = static_cast<uint16_t>(v);
    entries.push_back(e);
    return *this;
  }

  int32_t Run(IvResult& result) const {
    return CalcIndividualValues(
        species, nature, entries.data(), static_cast<int32_t>(entries.size()),
        &result, characteristic, hiddenPowerType, overall, marks[0], marks[1],
        marks[2], marks[3], marks[4], marks[5], best);
  }

  // With `hints` the call that also gives them (a null nature: any nature),
  // else the unknown-nature call.
  int32_t RunAny(IvResult& r, uint32_t* natures,
                 LevelHint* hints = nullptr) const {
    auto n = static_cast<int32_t>(entries.size());
    const int32_t* m = marks;
    return hints ? CalcIndividualValuesWithHints(
                       species, nature, entries.data(), n, &r, natures, hints,
                       characteristic, hiddenPowerType, overall, m[0], m[1],
                       m[2], m[3], m[4], m[5], best)
                 : CalcIndividualValuesAnyNature(
                       species, entries.data(), n, &r, natures, characteristic,
                       hiddenPowerType, overall, m[0], m[1], m[2], m[3], m[4],
                       m[5], best);
  }

  IvResult Result() const {
    IvResult result{};
    Run(result);
    return result;
  }
};

// IVs lo..hi as a mask.
inline IvMask Range(int lo, int hi) {
  IvMask mask = 0;
  for (int v = lo; v <= hi; ++v) mask |= 1u << v;
  return mask;
}
