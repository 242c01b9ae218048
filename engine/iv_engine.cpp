// CalcIndividualValues: species and nature lookup, narrowing by the
// observations, the clue stage and hidden power.
#include <cstring>

#include "engine.h"
#include "engine_internal.h"

const char16_t ShedinjaName[] = u"ヌケニン";

namespace {

// Base-stat slot (HP, Attack, Defense, Speed, Sp. Atk, Sp. Def) of each stat
// in StatIndex order.
constexpr int BaseStatSlot[StatCount] = {0, 1, 2, 4, 5, 3};

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

const NatureRecord* FindNature(const char16_t* name) {
  for (const NatureRecord& record : NatureTable)
    if (NameEquals(record.name, name)) return &record;
  return nullptr;
}

void ResetResult(IvResult& result, const NatureRecord& nature) {
  std::memset(&result, 0, sizeof result);
  for (int stat = 0; stat < StatCount; ++stat) {
    result.stats[stat].mask = AllIvs;
    if (stat == StatHp) continue;
    double m = nature.multipliers[stat];
    result.stats[stat].natureDir = m < 1.0 ? -1 : m > 1.0 ? 1 : 0;
  }
}

// Keeps the candidates of one stat that reproduce the displayed value.
IvMask NarrowStat(IvMask mask, int stat, const SpeciesRecord& species,
                  const NatureRecord& nature, bool shedinja,
                  const StatusEntry& entry) {
  uint16_t shown = entry.stats[stat];
  uint16_t effort = entry.effortValues[stat];
  uint16_t base = species.baseStats[BaseStatSlot[stat]];
  if (stat == StatHp && shedinja) return shown == 1 ? mask : 0;
  IvMask kept = 0;
  for (IvMask rest = mask; rest != 0; rest &= rest - 1) {
    int iv = LowestCandidate(rest);
    int32_t value = stat == StatHp
                        ? CalcHpStat(base, iv, effort, entry.level)
                        : CalcOtherStat(base, iv, effort, entry.level,
                                        nature.multipliers[stat]);
    if (static_cast<uint16_t>(value) == shown) kept |= 1u << iv;
  }
  return kept;
}

void NarrowByObservation(IvResult& result, const SpeciesRecord& species,
                         const NatureRecord& nature, bool shedinja,
                         const StatusEntry* entries, int32_t count) {
  for (int32_t i = 0; i < count; ++i)
    for (int stat = 0; stat < StatCount; ++stat)
      result.stats[stat].mask = NarrowStat(
          result.stats[stat].mask, stat, species, nature, shedinja, entries[i]);
}

// Hidden power, once every stat is pinned to one IV.
void FillHiddenPower(IvResult& result) {
  for (const StatResult& stat : result.stats)
    if (stat.mask == 0 || stat.minIv != stat.maxIv) return;
  result.hiddenPowerKnown = 1;
  CalcHiddenPower(&result);
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
  // A missing name is no name: nothing can match it.
  const SpeciesRecord* species =
      speciesName != nullptr ? FindSpecies(speciesName) : nullptr;
  if (species == nullptr) return CalcUnknownSpecies;
  const NatureRecord* nature =
      natureName != nullptr ? FindNature(natureName) : nullptr;
  if (nature == nullptr) return CalcUnknownNature;

  ResetResult(*result, *nature);
  bool shedinja = NameEquals(ShedinjaName, speciesName);
  if (entries != nullptr)
    NarrowByObservation(*result, *species, *nature, shedinja, entries,
                        entryCount);
  for (StatResult& stat : result->stats) RefreshBounds(stat);

  ClueInput clues{
      characteristic,
      hiddenPowerType,
      overallVerdict,
      {markHp, markAttack, markDefense, markSpAtk, markSpDef, markSpeed},
      bestStatVerdict};
  ApplyClues(*result, clues);
  FillHiddenPower(*result);
  return CalcOk;
}
