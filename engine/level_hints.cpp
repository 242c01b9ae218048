// Next-level hints: for each stat, the lowest level above the latest
// observation at which a new reading splits the candidates, and the lowest at
// which it pins the IV.
#include "engine.h"
#include "engine_internal.h"

namespace {

constexpr int HintLevelMaximum = 100;

// What one stat shows at one level with the latest effort value.
struct StatAtLevel {
  uint16_t base;
  int stat;
  uint16_t effort;
  uint8_t level;

  uint16_t Value(double multiplier, int iv) const {
    return ShownValue(base, stat, static_cast<uint32_t>(iv), effort, level,
                      multiplier);
  }
};

// Whether every candidate shows the same value. Within one multiplier the
// value never falls as the IV grows, so the lowest and highest IV bound it.
bool AllShowOneValue(const StatAtLevel& at, const MasksByMultiplier& c) {
  uint16_t first = at.Value(c.multipliers[0], LowestCandidate(c.masks[0]));
  for (int k = 0; k < c.kinds; ++k)
    if (at.Value(c.multipliers[k], LowestCandidate(c.masks[k])) != first ||
        at.Value(c.multipliers[k], HighestCandidate(c.masks[k])) != first)
      return false;
  return true;
}

// The values of one multiplier's candidates in IV order.
struct ShownValues {
  int count;
  uint8_t ivs[32];
  uint16_t values[32];
};

// Whether no two candidates with different IVs show the same value. Within
// one multiplier the values never fall with the IV, so only neighbours can
// meet; across multipliers the two ascending lists are walked together.
bool ValuePinsIv(const StatAtLevel& at, const MasksByMultiplier& c) {
  ShownValues shown[NatureCount];
  for (int k = 0; k < c.kinds; ++k) {
    ShownValues& list = shown[k];
    list.count = 0;
    for (IvMask rest = c.masks[k]; rest != 0; rest &= rest - 1) {
      int iv = LowestCandidate(rest);
      uint16_t value = at.Value(c.multipliers[k], iv);
      if (list.count > 0 && list.values[list.count - 1] == value) return false;
      list.ivs[list.count] = static_cast<uint8_t>(iv);
      list.values[list.count++] = value;
    }
  }
  for (int a = 0; a < c.kinds; ++a) {
    for (int b = a + 1; b < c.kinds; ++b) {
      int i = 0;
      int j = 0;
      while (i < shown[a].count && j < shown[b].count) {
        uint16_t va = shown[a].values[i];
        uint16_t vb = shown[b].values[j];
        if (va == vb && shown[a].ivs[i] != shown[b].ivs[j]) return false;
        if (va <= vb) ++i;
        if (vb <= va) ++j;
      }
    }
  }
  return true;
}

LevelHint HintForStat(const MasksByMultiplier& c, StatAtLevel at, int fromLevel,
                      bool neverSplits) {
  IvMask all = 0;
  for (int k = 0; k < c.kinds; ++k) all |= c.masks[k];
  if (__builtin_popcount(all) < 2) return {NoLevelHint, NoLevelHint};
  LevelHint hint{NoLevelUpTo100, NoLevelUpTo100};
  if (neverSplits) return hint;
  for (int level = fromLevel; level <= HintLevelMaximum; ++level) {
    at.level = static_cast<uint8_t>(level);
    if (hint.firstSplit == NoLevelUpTo100) {
      if (AllShowOneValue(at, c)) continue;
      hint.firstSplit = level;
    }
    if (ValuePinsIv(at, c)) {
      hint.allDistinct = level;
      break;
    }
  }
  return hint;
}

}  // namespace

void FindLevelHints(const SpeciesStats& species,
                    const MasksByMultiplier (&candidates)[StatCount],
                    const StatusEntry* entries, int32_t entryCount,
                    bool hyperTraining, LevelHint hints[StatCount]) {
  // The latest observation: the highest level, the last such row.
  const StatusEntry* latest = nullptr;
  for (int32_t i = 0; entries != nullptr && i < entryCount; ++i)
    if (latest == nullptr || entries[i].level >= latest->level)
      latest = &entries[i];
  for (int stat = 0; stat < StatCount; ++stat) {
    hints[stat] = {NoLevelHint, NoLevelHint};
    // Without known effort values the stats to come cannot be told.
    if (latest == nullptr || latest->effortUnknown != 0) continue;
    if (hyperTraining && (latest->trained >> stat & 1)) continue;
    StatAtLevel at{species.baseStats[BaseStatSlot[stat]], stat,
                   latest->effortValues[stat], 0};
    hints[stat] = HintForStat(candidates[stat], at, latest->level + 1,
                              species.hpAlwaysOne && stat == StatHp);
  }
}
