// What the game shows for a monster with known IVs.
#include "true_monster.h"

#include <cstring>

int32_t ShownStat(const SpeciesRecord& species, const NatureRecord& nature,
                  int stat, int iv, int level, int effort) {
  uint16_t base = species.baseStats[BaseStatSlotOf[stat]];
  auto ev = static_cast<uint16_t>(effort);
  auto lv = static_cast<uint8_t>(level);
  return stat == StatHp
             ? CalcHpStat(base, iv, ev, lv)
             : CalcOtherStat(base, iv, ev, lv, nature.multipliers[stat]);
}

StatusEntry ShownStats(const SpeciesRecord& species, const NatureRecord& nature,
                       const int ivs[StatCount], int level,
                       const uint16_t efforts[StatCount], int trained) {
  StatusEntry e{};
  e.level = static_cast<uint8_t>(level);
  e.trained = static_cast<uint8_t>(trained);
  for (int s = 0; s < StatCount; ++s) {
    int iv = trained >> s & 1 ? 31 : ivs[s];
    e.effortValues[s] = efforts[s];
    e.stats[s] = static_cast<uint16_t>(
        ShownStat(species, nature, s, iv, level, efforts[s]));
  }
  if (NameEquals(ShedinjaName, species.name)) e.stats[StatHp] = 1;
  return e;
}

int HighestIv(const int ivs[StatCount]) {
  int highest = 0;
  for (int s = 0; s < StatCount; ++s)
    if (ivs[s] > highest) highest = ivs[s];
  return highest;
}

int32_t OverallVerdictOf(const int ivs[StatCount]) {
  int sum = 0;
  for (int s = 0; s < StatCount; ++s) sum += ivs[s];
  return sum >= 151 ? 1 : sum >= 121 ? 2 : sum >= 91 ? 3 : 4;
}

int32_t BestStatVerdictOf(const int ivs[StatCount]) {
  int highest = HighestIv(ivs);
  return highest == 31 ? 1 : highest >= 26 ? 2 : highest >= 16 ? 3 : 4;
}

int32_t BestStatMarkOf(const int ivs[StatCount], int stat) {
  return ivs[stat] == HighestIv(ivs) ? MarkBest : MarkNotBest;
}

int HiddenPowerTypeOf(const int ivs[StatCount]) {
  // The games weigh the parities of HP, Attack, Defense, Speed, Sp. Atk and
  // Sp. Def as 1, 2, 4, 8, 16, 32.
  constexpr int weight[StatCount] = {1, 2, 4, 16, 32, 8};
  int t = 0;
  for (int s = 0; s < StatCount; ++s) t += (ivs[s] & 1) * weight[s];
  return t * 15 / 63;
}

int CharacteristicOf(const int ivs[StatCount], unsigned pick) {
  int highest = HighestIv(ivs);
  int rows[CharacteristicCount];
  unsigned count = 0;
  for (int row = 0; row < CharacteristicCount; ++row) {
    const CharacteristicRecord& r = CharacteristicTable[row];
    if (ivs[r.stat] == highest && highest % 5 == r.remainder)
      rows[count++] = row;
  }
  return rows[pick % count];
}

SpeciesRecord SpeciesOfGeneration(const ModernSpeciesRecord& record,
                                  int generation) {
  SpeciesRecord species{};
  CopyName(species.name, SpeciesNameCapacity, record.name);
  for (int slot = 0; slot < 6; ++slot)
    species.baseStats[slot] =
        record.baseStats[generation - FirstModernGeneration][slot];
  return species;
}

int32_t StatVerdictOf(int iv, bool trained) {
  if (trained) return StatVerdictTrained;
  return iv == 31 ? 1 : iv == 30 ? 2 : iv >= 26 ? 3 : iv >= 16 ? 4 : iv ? 5 : 6;
}

const char* BrokenResultInvariant(const IvResult& result,
                                  HiddenPowerPowerRule rule) {
  int empty = 0;
  bool pinned = rule != HiddenPowerPowerRule::None;
  for (int s = 0; s < StatCount; ++s) {
    const StatResult& stat = result.stats[s];
    if (s != StatHp && (stat.natureDir < -1 || stat.natureDir > 1))
      return "a nature direction beyond -1..1";
    if (stat.mask == 0) {
      ++empty;
      pinned = false;
      continue;
    }
    if (stat.minIv != __builtin_ctz(stat.mask) ||
        stat.maxIv != 31 - __builtin_clz(stat.mask))
      return "bounds other than the lowest and highest candidate";
    if (stat.minIv != stat.maxIv) pinned = false;
  }
  if (empty != 0 && empty != StatCount) return "some masks empty and some not";
  if (result.hiddenPowerKnown != (pinned ? 1 : 0))
    return "hidden power known other than exactly when all six are pinned";
  if (!pinned)
    return result.hiddenPowerType[0] == 0 && result.hiddenPowerPower == 0
               ? nullptr
               : "a hidden power type or power that is not known";
  IvResult scratch{};
  for (int s = 0; s < StatCount; ++s)
    scratch.stats[s].minIv = result.stats[s].minIv;
  CalcHiddenPower(&scratch, rule);
  if (std::memcmp(scratch.hiddenPowerType, result.hiddenPowerType,
                  sizeof scratch.hiddenPowerType) != 0 ||
      scratch.hiddenPowerPower != result.hiddenPowerPower)
    return "a hidden power other than that of the pinned IVs";
  if (result.hiddenPowerPower < 30 || result.hiddenPowerPower > 70 ||
      (rule == HiddenPowerPowerRule::Fixed60 && result.hiddenPowerPower != 60))
    return "a hidden power power beyond the generation's rule";
  return nullptr;
}
