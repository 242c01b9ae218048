// A monster with known IVs as the game shows it: its stats at a level and the
// clues it gives. Tests and fuzz targets build such monsters and require the
// engine to keep their true IVs; the rules are written out plainly here,
// apart from the engine's filters.
#pragma once

#include <cstdint>

#include "data/modern_species.h"
#include "engine/engine.h"

// Base-stat slot (HP, Attack, Defense, Speed, Sp. Atk, Sp. Def) of each stat
// in StatIndex order.
constexpr int BaseStatSlotOf[StatCount] = {0, 1, 2, 4, 5, 3};

// The stat the game shows for one IV at a level with an effort value.
int32_t ShownStat(const SpeciesRecord& species, const NatureRecord& nature,
                  int stat, int iv, int level, int effort);

// The six stats shown at `level` with `efforts` (ヌケニン always shows 1 HP).
// A stat whose bit is set in `trained` was hyper trained: it shows the value
// of IV 31, and the row carries the bits.
StatusEntry ShownStats(const SpeciesRecord& species, const NatureRecord& nature,
                       const int ivs[StatCount], int level,
                       const uint16_t efforts[StatCount], int trained = 0);

// A generation 7 to 9 record in the shape of a classic one (its name and that
// generation's base stats), for the functions above.
SpeciesRecord SpeciesOfGeneration(const ModernSpeciesRecord& record,
                                  int generation);

// The per-stat judge's verdict (index into StatVerdict) of an IV; "きたえた"
// once the stat is hyper trained.
int32_t StatVerdictOf(int iv, bool trained);

int HighestIv(const int ivs[StatCount]);

// The judge's verdicts as list indices: overall (1..4) from the sum of the
// six IVs, best stat (1..4) from the highest IV, and a stat's best-stat mark.
int32_t OverallVerdictOf(const int ivs[StatCount]);
int32_t BestStatVerdictOf(const int ivs[StatCount]);
int32_t BestStatMarkOf(const int ivs[StatCount], int stat);

// Index in HiddenPowerTypeNames of the IVs' hidden power type.
int HiddenPowerTypeOf(const int ivs[StatCount]);

// A CharacteristicTable row the game may show for the IVs (its stat holds the
// highest IV, with the row's remainder): the `pick`-th fitting row, counted
// modulo the number of fitting rows.
int CharacteristicOf(const int ivs[StatCount], unsigned pick);

// What every successful engine result must keep, or the first rule it
// breaks (nullptr when it keeps them all): all masks empty or none, bounds
// equal to the lowest and highest candidate, nature directions of -1, 0 or
// +1, and hidden power exactly when all six IVs are pinned and the
// generation has hidden power, with the type and power of `rule`.
const char* BrokenResultInvariant(const IvResult& result,
                                  HiddenPowerPowerRule rule);
