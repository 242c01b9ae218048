// The engine's entry points: species and nature lookup, narrowing by the
// observations, the clue stage and hidden power; the search over all natures
// when the nature is unknown; and the next-level hints.
#include <cstring>

#include "engine.h"
#include "engine_internal.h"

const char16_t ShedinjaName[] = u"ヌケニン";

namespace {

// Effort values run 0..255, so ⌊E/4⌋ adds 0..63 to the IV.
constexpr int EffortQuarterMaximum = 63;
constexpr int IvPlusEffortMaximum = 31 + EffortQuarterMaximum;

// The record of that name listed in the current mode, else the first record
// of that name in the table's current order; null when there is none.
const SpeciesRecord* FindSpecies(const char16_t* name) {
  const SpeciesRecord* first = nullptr;
  for (const SpeciesRecord& record : SpeciesTable) {
    if (!NameEquals(record.name, name)) continue;
    if (IsListedInMode(record, GameMode)) return &record;
    if (first == nullptr) first = &record;
  }
  return first;
}

int FindNature(const char16_t* name) {
  for (int i = 0; i < NatureCount; ++i)
    if (NameEquals(NatureTable[i].name, name)) return i;
  return -1;
}

// What one calculation works from besides the nature.
struct Calculation {
  const SpeciesRecord* species;
  bool shedinja;
  const StatusEntry* entries;
  int32_t entryCount;
  ClueInput clues;
};

// The lowest sum IV + ⌊E/4⌋ (0..94) at which the stat shows at least
// `target`, or 95 when none does; the shown value never falls as the sum
// grows.
int LowestSumReaching(int target, uint16_t base, int stat, double multiplier,
                      uint8_t level) {
  int low = 0;
  int high = IvPlusEffortMaximum + 1;
  while (low < high) {
    int middle = (low + high) / 2;
    if (ShownValue(base, stat, middle, 0, level, multiplier) >= target)
      high = middle;
    else
      low = middle + 1;
  }
  return low;
}

// The IVs for which some effort value 0..255 gives the shown value. The stat
// depends on the sum IV + ⌊E/4⌋ alone; the sums that give the shown value run
// from `first` to `last`, and IV i fits when i..i+63 meets that run.
IvMask FitUnknownEffort(uint16_t base, int stat, double multiplier,
                        const StatusEntry& entry) {
  int shown = entry.stats[stat];
  int first = LowestSumReaching(shown, base, stat, multiplier, entry.level);
  if (first > IvPlusEffortMaximum ||
      ShownValue(base, stat, first, 0, entry.level, multiplier) != shown)
    return 0;
  int last =
      LowestSumReaching(shown + 1, base, stat, multiplier, entry.level) - 1;
  return IvsUpTo(last) & ~IvsUpTo(first - EffortQuarterMaximum - 1);
}

// Keeps the candidates of one stat that reproduce the displayed value.
IvMask NarrowStat(IvMask mask, int stat, const Calculation& calc,
                  double multiplier, const StatusEntry& entry) {
  uint16_t shown = entry.stats[stat];
  uint16_t base = calc.species->baseStats[BaseStatSlot[stat]];
  if (stat == StatHp && calc.shedinja) return shown == 1 ? mask : 0;
  if (entry.effortUnknown != 0)
    return mask & FitUnknownEffort(base, stat, multiplier, entry);
  uint16_t effort = entry.effortValues[stat];
  IvMask kept = 0;
  for (IvMask rest = mask; rest != 0; rest &= rest - 1) {
    int iv = LowestCandidate(rest);
    if (ShownValue(base, stat, iv, effort, entry.level, multiplier) == shown)
      kept |= 1u << iv;
  }
  return kept;
}

// The candidates of one stat under a multiplier after every observation.
IvMask ObservedMask(const Calculation& calc, int stat, double multiplier) {
  IvMask mask = AllIvs;
  if (calc.entries == nullptr) return mask;
  for (int32_t i = 0; i < calc.entryCount; ++i)
    mask = NarrowStat(mask, stat, calc, multiplier, calc.entries[i]);
  return mask;
}

// The observations' candidates per stat and multiplier, each worked out once
// however many natures share it.
struct ObservedMasks {
  MasksByMultiplier byStat[StatCount];

  IvMask For(const Calculation& calc, int stat, double multiplier) {
    MasksByMultiplier& seen = byStat[stat];
    for (int k = 0; k < seen.kinds; ++k)
      if (seen.multipliers[k] == multiplier) return seen.masks[k];
    seen.multipliers[seen.kinds] = multiplier;
    seen.masks[seen.kinds] = ObservedMask(calc, stat, multiplier);
    return seen.masks[seen.kinds++];
  }
};

// The multiplier of a stat under a nature; HP has none (the formula ignores
// it), so all natures share one.
double MultiplierOf(const NatureRecord& nature, int stat) {
  return stat == StatHp ? 1.0 : nature.multipliers[stat];
}

// The result for one nature before hidden power: the observations, then the
// clues.
void NarrowForNature(const Calculation& calc, const NatureRecord& nature,
                     ObservedMasks& observed, IvResult& result) {
  std::memset(&result, 0, sizeof result);
  for (int stat = 0; stat < StatCount; ++stat) {
    StatResult& out = result.stats[stat];
    out.mask = observed.For(calc, stat, MultiplierOf(nature, stat));
    RefreshBounds(out);
    if (stat == StatHp) continue;
    double m = nature.multipliers[stat];
    out.natureDir = m < 1.0 ? -1 : m > 1.0 ? 1 : 0;
  }
  ApplyClues(result, calc.clues);
}

// Hidden power, once every stat is pinned to one IV.
void FillHiddenPower(IvResult& result) {
  for (const StatResult& stat : result.stats)
    if (stat.mask == 0 || stat.minIv != stat.maxIv) return;
  result.hiddenPowerKnown = 1;
  CalcHiddenPower(&result);
}

// The union over every nature that fits, with the natures' set and the
// hints' candidates; natureDir stays only where all those natures agree.
void NarrowForAnyNature(const Calculation& calc, IvResult& result,
                        uint32_t& natureSet,
                        MasksByMultiplier (&candidates)[StatCount]) {
  std::memset(&result, 0, sizeof result);
  natureSet = 0;
  ObservedMasks observed;
  for (MasksByMultiplier& seen : observed.byStat) seen.kinds = 0;
  bool mixed[StatCount] = {};
  for (int n = 0; n < NatureCount; ++n) {
    IvResult one;
    NarrowForNature(calc, NatureTable[n], observed, one);
    if (one.stats[StatHp].mask == 0) continue;  // then every mask is empty
    for (int stat = 0; stat < StatCount; ++stat) {
      const StatResult& from = one.stats[stat];
      StatResult& to = result.stats[stat];
      if (natureSet != 0 && from.natureDir != to.natureDir) mixed[stat] = true;
      to.natureDir = from.natureDir;
      to.mask |= from.mask;
      AddMasks(candidates[stat], MultiplierOf(NatureTable[n], stat), from.mask);
    }
    natureSet |= 1u << n;
  }
  for (int stat = 0; stat < StatCount; ++stat) {
    if (mixed[stat]) result.stats[stat].natureDir = 0;
    RefreshBounds(result.stats[stat]);
  }
}

// The common work of the entry points; a negative natureIndex means any
// nature.
void Calculate(const Calculation& calc, int natureIndex, IvResult& result,
               uint32_t* natureSet, LevelHint* hints) {
  MasksByMultiplier candidates[StatCount];
  for (MasksByMultiplier& c : candidates) c.kinds = 0;
  uint32_t natures = 0;
  if (natureIndex < 0) {
    NarrowForAnyNature(calc, result, natures, candidates);
  } else {
    ObservedMasks observed;
    for (MasksByMultiplier& seen : observed.byStat) seen.kinds = 0;
    const NatureRecord& nature = NatureTable[natureIndex];
    NarrowForNature(calc, nature, observed, result);
    for (int stat = 0; stat < StatCount; ++stat)
      AddMasks(candidates[stat], MultiplierOf(nature, stat),
               result.stats[stat].mask);
    if (result.stats[StatHp].mask != 0) natures = 1u << natureIndex;
  }
  FillHiddenPower(result);
  if (natureSet != nullptr) *natureSet = natures;
  if (hints != nullptr)
    FindLevelHints(*calc.species, calc.shedinja, candidates, calc.entries,
                   calc.entryCount, hints);
}

// The clue arguments of the entry points as one record.
ClueInput Clues(const char16_t* characteristic, const char16_t* hiddenPowerType,
                int32_t overallVerdict, int32_t markHp, int32_t markAttack,
                int32_t markDefense, int32_t markSpAtk, int32_t markSpDef,
                int32_t markSpeed, int32_t bestStatVerdict) {
  return {characteristic,
          hiddenPowerType,
          overallVerdict,
          {markHp, markAttack, markDefense, markSpAtk, markSpDef, markSpeed},
          bestStatVerdict};
}

// The entry points' common front: the lookups, then Calculate. With
// `anyNature` the nature name is not looked at.
int32_t Run(const char16_t* speciesName, const char16_t* natureName,
            bool anyNature, const StatusEntry* entries, int32_t entryCount,
            IvResult* result, uint32_t* natureSet, LevelHint* hints,
            const ClueInput& clues) {
  // A missing name is no name: nothing can match it.
  const SpeciesRecord* species =
      speciesName != nullptr ? FindSpecies(speciesName) : nullptr;
  if (species == nullptr) return CalcUnknownSpecies;
  int natureIndex = -1;
  if (!anyNature) {
    natureIndex = natureName != nullptr ? FindNature(natureName) : -1;
    if (natureIndex < 0) return CalcUnknownNature;
  }
  Calculation calc{species, NameEquals(ShedinjaName, speciesName), entries,
                   entryCount, clues};
  Calculate(calc, natureIndex, *result, natureSet, hints);
  return CalcOk;
}

}  // namespace

int32_t CalcIndividualValues(const char16_t* speciesName,
                             const char16_t* natureName,
                             const StatusEntry* entries, int32_t entryCount,
                             IvResult* result, const char16_t* characteristic,
                             const char16_t* hiddenPowerType,
                             int32_t overallVerdict, int32_t markHp,
                             int32_t markAttack, int32_t markDefense,
                             int32_t markSpAtk, int32_t markSpDef,
                             int32_t markSpeed, int32_t bestStatVerdict) {
  ClueInput clues =
      Clues(characteristic, hiddenPowerType, overallVerdict, markHp, markAttack,
            markDefense, markSpAtk, markSpDef, markSpeed, bestStatVerdict);
  return Run(speciesName, natureName, false, entries, entryCount, result,
             nullptr, nullptr, clues);
}

int32_t CalcIndividualValuesAnyNature(
    const char16_t* speciesName, const StatusEntry* entries, int32_t entryCount,
    IvResult* result, uint32_t* natureSet, const char16_t* characteristic,
    const char16_t* hiddenPowerType, int32_t overallVerdict, int32_t markHp,
    int32_t markAttack, int32_t markDefense, int32_t markSpAtk,
    int32_t markSpDef, int32_t markSpeed, int32_t bestStatVerdict) {
  ClueInput clues =
      Clues(characteristic, hiddenPowerType, overallVerdict, markHp, markAttack,
            markDefense, markSpAtk, markSpDef, markSpeed, bestStatVerdict);
  return Run(speciesName, nullptr, true, entries, entryCount, result, natureSet,
             nullptr, clues);
}

int32_t CalcIndividualValuesWithHints(
    const char16_t* speciesName, const char16_t* natureName,
    const StatusEntry* entries, int32_t entryCount, IvResult* result,
    uint32_t* natureSet, LevelHint* hints, const char16_t* characteristic,
    const char16_t* hiddenPowerType, int32_t overallVerdict, int32_t markHp,
    int32_t markAttack, int32_t markDefense, int32_t markSpAtk,
    int32_t markSpDef, int32_t markSpeed, int32_t bestStatVerdict) {
  ClueInput clues =
      Clues(characteristic, hiddenPowerType, overallVerdict, markHp, markAttack,
            markDefense, markSpAtk, markSpDef, markSpeed, bestStatVerdict);
  return Run(speciesName, natureName, natureName == nullptr, entries,
             entryCount, result, natureSet, hints, clues);
}
