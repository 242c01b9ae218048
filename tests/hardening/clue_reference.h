// A deliberately plain model of what the clues say about six IVs, used to
// check the engine's clue stage against brute force over small candidate
// sets. Nothing here reuses the engine's masks or filters: each clue is
// the statement a player reads in the game, the judge's answers being those
// the game gives for known IVs (support/true_monster.h).
#pragma once

#include <cstdint>

#include "engine/engine.h"

struct ClueCase {
  IvMask masks[StatCount];
  int characteristic;  // row of CharacteristicTable, or -1 for none
  int type;            // index into HiddenPowerTypeNames, or -1 for none
  int32_t overall;     // overall verdict index as the engine receives it
  int32_t marks[StatCount];
  int32_t best;  // best-stat verdict index as the engine receives it
  // Generations 7 to 9: the judge gives a verdict per stat (index as the
  // engine receives it) instead of the best stats, and generations 8 and 9
  // have no hidden power.
  bool perStat;
  int32_t statVerdicts[StatCount];
  bool noHiddenPower;
};

// Whether six IVs (StatIndex order) agree with every clue of the case, read
// literally:
// - characteristic: the named stat holds the highest of the six IVs (ties
//   allowed) and that IV leaves the row's remainder modulo 5;
// - best-stat judge (unless perStat): a stat marked best holds the highest
//   IV, a stat marked not best is strictly below it, and the highest IV lies
//   in the verdict's range;
// - per-stat judge (perStat only): each stat's IV lies in its verdict's
//   range, a trained stat ("きたえた") below 31;
// - hidden power type (unless noHiddenPower): the type of the six parities is
//   the given one;
// - overall judge: the sum of the six IVs lies in the verdict's range.
bool SatisfiesClues(const int ivs[StatCount], const ClueCase& clues);

// The candidate sets that brute force leaves: for each stat, the IVs that
// occur in at least one combination drawn from the case's masks that
// satisfies every clue. Returns the number of such combinations.
long ReferenceMasks(const ClueCase& clues, IvMask out[StatCount]);

// The engine's clue stage on the case's masks (bounds refreshed first, as
// the engine does after the observations).
IvResult EngineMasks(const ClueCase& clues);
