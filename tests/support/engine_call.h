// A compact way for the tests and the engine fuzz target to build an engine
// query with named clue arguments.
#pragma once

#include <cstring>
#include <vector>

#include "engine/engine.h"

struct EngineCall {
  const GameDefinition* game = FindGameDefinition(6);
  const char16_t* species = u"フシギダネ";
  const char16_t* nature = u"いじっぱり";
  std::vector<StatusEntry> entries;
  const char16_t* characteristic = u"";
  const char16_t* hiddenPowerType = u"";
  int32_t overall = 0;
  int32_t marks[StatCount] = {MarkUnknown, MarkUnknown, MarkUnknown,
                              MarkUnknown, MarkUnknown, MarkUnknown};
  int32_t best = 0;
  int32_t statVerdicts[StatCount] = {};

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

  // The query of this call; a null nature is any nature.
  IvQuery Query(const char16_t* natureName, bool levelHints) const {
    IvQuery query{species,
                  natureName,
                  game,
                  entries.data(),
                  static_cast<int32_t>(entries.size()),
                  {characteristic, hiddenPowerType, overall, {}, best, {}},
                  levelHints};
    for (int s = 0; s < StatCount; ++s) query.clues.marks[s] = marks[s];
    std::memcpy(query.clues.statVerdicts, statVerdicts, sizeof statVerdicts);
    return query;
  }

  // The answer's result on success; failures leave `result` untouched.
  int32_t Answer(const IvQuery& query, IvResult& result, uint32_t* natures,
                 LevelHint* hints) const {
    IvAnswer answer;
    int32_t rc = AnswerIvQuery(query, answer);
    if (rc != CalcOk) return rc;
    result = answer.result;
    if (natures) *natures = answer.natureSet;
    if (hints)
      for (int s = 0; s < StatCount; ++s) hints[s] = answer.hints[s];
    return rc;
  }

  // The named nature (a null nature names none).
  int32_t Run(IvResult& result) const {
    return Answer(Query(nature ? nature : u"", false), result, nullptr,
                  nullptr);
  }

  // With `hints` the named nature (a null nature: any nature) and the hints,
  // else any nature.
  int32_t RunAny(IvResult& r, uint32_t* natures,
                 LevelHint* hints = nullptr) const {
    return Answer(Query(hints ? nature : nullptr, hints != nullptr), r, natures,
                  hints);
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
