// The engine's query: species and nature lookup, narrowing by the
// observations, the clue stage and hidden power; the search over all natures
// when the nature is unknown; and the next-level hints.
#include <cstring>

#include "engine.h"
#include "engine_internal.h"

namespace {

// Effort values run 0..255, so ⌊E/4⌋ adds 0..63 to the IV.
constexpr int EffortQuarterMaximum = 63;
constexpr int IvPlusEffortMaximum = 31 + EffortQuarterMaximum;

// What one calculation works from besides the nature.
struct Calculation {
  SpeciesStats species;
  HiddenPowerPowerRule hiddenPowerPower;
  ClueRules clueRules;
  bool hyperTraining;
  const StatusEntry* entries;
  int32_t entryCount;
  const IvClues& clues;
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

// Whether a stat read after hyper training shows the value of IV 31.
bool TrainedReadingFits(uint16_t base, int stat, double multiplier,
                        const StatusEntry& entry) {
  if (entry.effortUnknown != 0)
    return (FitUnknownEffort(base, stat, multiplier, entry) & 1u << 31) != 0;
  return ShownValue(base, stat, 31, entry.effortValues[stat], entry.level,
                    multiplier) == entry.stats[stat];
}

bool ReadAfterTraining(const Calculation& calc, int stat,
                       const StatusEntry& entry) {
  return calc.hyperTraining && (entry.trained >> stat & 1);
}

// Keeps the candidates of one stat that reproduce the displayed value. A
// reading after hyper training says nothing of the own IV; it only has to be
// the value of IV 31.
IvMask NarrowStat(IvMask mask, int stat, const Calculation& calc,
                  double multiplier, const StatusEntry& entry) {
  uint16_t shown = entry.stats[stat];
  uint16_t base = calc.species.baseStats[BaseStatSlot[stat]];
  if (stat == StatHp && calc.species.hpAlwaysOne) return shown == 1 ? mask : 0;
  if (ReadAfterTraining(calc, stat, entry))
    return TrainedReadingFits(base, stat, multiplier, entry) ? mask : 0;
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

// The candidates of one stat under a multiplier after every observation. Only
// a stat below 31 can be hyper trained, so one trained in any row is 0..30.
IvMask ObservedMask(const Calculation& calc, int stat, double multiplier) {
  IvMask mask = AllIvs;
  if (calc.entries == nullptr) return mask;
  for (int32_t i = 0; i < calc.entryCount; ++i) {
    const StatusEntry& entry = calc.entries[i];
    mask = NarrowStat(mask, stat, calc, multiplier, entry);
    if (ReadAfterTraining(calc, stat, entry)) mask &= IvsUpTo(30);
  }
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
  ApplyClues(result, calc.clues, calc.clueRules);
}

// Hidden power, once every stat is pinned to one IV, in games that have it.
void FillHiddenPower(IvResult& result, HiddenPowerPowerRule rule) {
  if (rule == HiddenPowerPowerRule::None) return;
  for (const StatResult& stat : result.stats)
    if (stat.mask == 0 || stat.minIv != stat.maxIv) return;
  result.hiddenPowerKnown = 1;
  CalcHiddenPower(&result, rule);
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

// The common work of every query; a negative natureIndex means any nature.
void Calculate(const Calculation& calc, int natureIndex, bool levelHints,
               IvAnswer& answer) {
  MasksByMultiplier candidates[StatCount];
  for (MasksByMultiplier& c : candidates) c.kinds = 0;
  IvResult& result = answer.result;
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
  FillHiddenPower(result, calc.hiddenPowerPower);
  answer.natureSet = natures;
  if (levelHints) {
    FindLevelHints(calc.species, candidates, calc.entries, calc.entryCount,
                   calc.hyperTraining, answer.hints);
  } else {
    for (LevelHint& hint : answer.hints) hint = {NoLevelHint, NoLevelHint};
  }
}

}  // namespace

int32_t AnswerIvQuery(const IvQuery& query, IvAnswer& answer) {
  if (query.game == nullptr) return CalcUnknownGame;
  Calculation calc{{},
                   query.game->hiddenPowerPower,
                   ClueRulesOf(*query.game),
                   query.game->hyperTraining,
                   query.entries,
                   query.entryCount,
                   query.clues};
  if (!FindSpeciesInGame(*query.game, query.species, calc.species))
    return CalcUnknownSpecies;
  int natureIndex = -1;
  if (query.nature != nullptr) {
    natureIndex = FindNatureIndex(query.nature);
    if (natureIndex < 0) return CalcUnknownNature;
  }
  Calculate(calc, natureIndex, query.levelHints, answer);
  return CalcOk;
}
