#include "clue_reference.h"

#include <cstring>

#include "engine/engine_internal.h"
#include "support/true_monster.h"

namespace {

struct SumRange {
  int low;
  int high;
};
// What the judge's verdicts say, by list index 1..4.
constexpr SumRange OverallSum[5] = {
    {0, 186}, {151, 186}, {121, 150}, {91, 120}, {0, 90}};
constexpr SumRange BestIv[5] = {{0, 31}, {31, 31}, {26, 30}, {16, 25}, {0, 15}};
// The per-stat judge's verdicts by list index 1..7 (7: hyper trained).
constexpr SumRange StatIv[8] = {{0, 31},  {31, 31}, {30, 30}, {26, 29},
                                {16, 25}, {1, 15},  {0, 0},   {0, 30}};

SumRange VerdictRange(const SumRange (&table)[5], int32_t index) {
  return index >= 1 && index <= 4 ? table[index] : table[0];
}

}  // namespace

bool SatisfiesClues(const int ivs[StatCount], const ClueCase& clues) {
  int highest = 0;
  int sum = 0;
  for (int s = 0; s < StatCount; ++s) {
    if (ivs[s] > highest) highest = ivs[s];
    sum += ivs[s];
  }
  if (clues.characteristic >= 0) {
    const CharacteristicRecord& row = CharacteristicTable[clues.characteristic];
    if (ivs[row.stat] != highest) return false;
    if (ivs[row.stat] % 5 != row.remainder) return false;
  }
  SumRange best = VerdictRange(BestIv, clues.perStat ? 0 : clues.best);
  if (highest < best.low || highest > best.high) return false;
  for (int s = 0; s < StatCount; ++s) {
    int32_t verdict = clues.statVerdicts[s];
    SumRange range =
        StatIv[clues.perStat && verdict >= 1 && verdict <= 7 ? verdict : 0];
    if (ivs[s] < range.low || ivs[s] > range.high) return false;
    if (clues.perStat) continue;
    if (clues.marks[s] == 1 && ivs[s] != highest) return false;
    if (clues.marks[s] == 0 && ivs[s] >= highest) return false;
  }
  if (clues.type >= 0 && !clues.noHiddenPower &&
      HiddenPowerTypeOf(ivs) != clues.type)
    return false;
  SumRange overall = VerdictRange(OverallSum, clues.overall);
  return sum >= overall.low && sum <= overall.high;
}

long ReferenceMasks(const ClueCase& clues, IvMask out[StatCount]) {
  int candidates[StatCount][32];
  int counts[StatCount];
  for (int s = 0; s < StatCount; ++s) out[s] = 0;
  for (int s = 0; s < StatCount; ++s) {
    counts[s] = 0;
    for (int v = 0; v < 32; ++v)
      if (clues.masks[s] >> v & 1u) candidates[s][counts[s]++] = v;
    if (counts[s] == 0) return 0;
  }
  long survivors = 0;
  int at[StatCount] = {};
  for (;;) {
    int ivs[StatCount];
    for (int s = 0; s < StatCount; ++s) ivs[s] = candidates[s][at[s]];
    if (SatisfiesClues(ivs, clues)) {
      ++survivors;
      for (int s = 0; s < StatCount; ++s) out[s] |= 1u << ivs[s];
    }
    int s = 0;
    while (s < StatCount && ++at[s] == counts[s]) at[s++] = 0;
    if (s == StatCount) return survivors;
  }
}

IvResult EngineMasks(const ClueCase& clues) {
  IvResult result{};
  for (int s = 0; s < StatCount; ++s) {
    result.stats[s].mask = clues.masks[s];
    RefreshBounds(result.stats[s]);
  }
  IvClues input{clues.characteristic >= 0
                    ? CharacteristicTable[clues.characteristic].text
                    : u"",
                clues.type >= 0 ? HiddenPowerTypeNames[clues.type] : u"",
                clues.overall,
                {clues.marks[0], clues.marks[1], clues.marks[2], clues.marks[3],
                 clues.marks[4], clues.marks[5]},
                clues.best,
                {}};
  std::memcpy(input.statVerdicts, clues.statVerdicts,
              sizeof input.statVerdicts);
  ApplyClues(result, input,
             {clues.perStat ? JudgeKind::PerStat : JudgeKind::BestStat,
              !clues.noHiddenPower});
  return result;
}
