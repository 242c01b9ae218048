#include "clue_reference.h"

#include <cstring>

#include "engine/engine_internal.h"
#include "support/true_monster.h"

bool SatisfiesClues(const int ivs[StatCount], const ClueCase& clues) {
  if (clues.characteristic >= 0) {
    const CharacteristicRecord& row = CharacteristicTable[clues.characteristic];
    int highest = HighestIv(ivs);
    if (ivs[row.stat] != highest || highest % 5 != row.remainder) return false;
  }
  // A verdict index outside the lists says nothing.
  int32_t best = clues.perStat ? 0 : clues.best;
  if (best >= 1 && best <= 4 && BestStatVerdictOf(ivs) != best) return false;
  for (int s = 0; s < StatCount; ++s) {
    if (clues.perStat) {
      int32_t verdict = clues.statVerdicts[s];
      if (verdict == StatVerdictTrained
              ? ivs[s] == 31
              : verdict >= 1 && verdict <= 6 &&
                    StatVerdictOf(ivs[s], false) != verdict)
        return false;
      continue;
    }
    int32_t mark = clues.marks[s];
    if ((mark == MarkBest || mark == MarkNotBest) &&
        BestStatMarkOf(ivs, s) != mark)
      return false;
  }
  if (clues.type >= 0 && !clues.noHiddenPower &&
      HiddenPowerTypeOf(ivs) != clues.type)
    return false;
  return clues.overall < 1 || clues.overall > 4 ||
         OverallVerdictOf(ivs) == clues.overall;
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
