// Pieces shared between the engine's own files.
#pragma once

#include "engine.h"

// Base-stat slot (HP, Attack, Defense, Speed, Sp. Atk, Sp. Def) of each stat
// in StatIndex order.
constexpr int BaseStatSlot[StatCount] = {0, 1, 2, 4, 5, 3};

// The value a stat shows for an IV: the low 16 bits of CalcHpStat for HP,
// else of CalcOtherStat with the nature's multiplier. It never falls as the
// IV or the effort value grows.
inline uint16_t ShownValue(uint16_t base, int stat, uint32_t iv,
                           uint16_t effort, uint8_t level, double multiplier) {
  return static_cast<uint16_t>(
      stat == StatHp ? CalcHpStat(base, iv, effort, level)
                     : CalcOtherStat(base, iv, effort, level, multiplier));
}

// Type index (0..15) of the IVs in the six minIv fields.
int HiddenPowerTypeIndex(const IvResult& ivs);

// Highest and lowest IV of a non-empty mask.
inline int HighestCandidate(IvMask mask) { return 31 - __builtin_clz(mask); }
inline int LowestCandidate(IvMask mask) { return __builtin_ctz(mask); }

// IVs 0..v as a mask (v from -1 to 31; -1 gives the empty mask).
inline IvMask IvsUpTo(int v) {
  return v >= 31 ? AllIvs : v < 0 ? 0u : (2u << v) - 1u;
}

// Lowest and highest candidate of a non-empty mask into minIv / maxIv; an
// empty mask keeps the bounds it had.
inline void RefreshBounds(StatResult& stat) {
  if (stat.mask == 0) return;
  stat.minIv = static_cast<uint8_t>(LowestCandidate(stat.mask));
  stat.maxIv = static_cast<uint8_t>(HighestCandidate(stat.mask));
}

// Which clues a game's box and moves give: its judge, and whether it has
// hidden power (else the hidden power type clue is ignored).
struct ClueRules {
  JudgeKind judge;
  bool hiddenPower;
};
// The rules of generations 3 to 6.
constexpr ClueRules BestStatClueRules{JudgeKind::BestStat, true};

inline ClueRules ClueRulesOf(const GameDefinition& game) {
  return {game.judge, game.hiddenPowerPower != HiddenPowerPowerRule::None};
}

// Narrows the six masks by the clues that the rules read, in passes until a
// pass changes nothing.
void ApplyClues(IvResult& result, const IvClues& clues,
                const ClueRules& rules = BestStatClueRules);

// Candidates of one stat per multiplier the natures give it (three with the
// shipped natures: 0.9, 1.0 and 1.1; room for one per nature): the IVs still
// possible under that multiplier. The next-level hints work from these.
struct MasksByMultiplier {
  int kinds;
  double multipliers[NatureCount];
  IvMask masks[NatureCount];
};

// Adds IVs possible under a multiplier (nothing for an empty mask).
inline void AddMasks(MasksByMultiplier& candidates, double multiplier,
                     IvMask mask) {
  if (mask == 0) return;
  for (int k = 0; k < candidates.kinds; ++k) {
    if (candidates.multipliers[k] != multiplier) continue;
    candidates.masks[k] |= mask;
    return;
  }
  candidates.multipliers[candidates.kinds] = multiplier;
  candidates.masks[candidates.kinds++] = mask;
}

// The next-level hint of every stat from its candidates, the species' base
// stats and the latest observation among `entries` (see AnswerIvQuery).
// With `hyperTraining`, a stat read after training in the latest observation
// gets no hint: its readings no longer depend on its own IV.
void FindLevelHints(const SpeciesStats& species,
                    const MasksByMultiplier (&candidates)[StatCount],
                    const StatusEntry* entries, int32_t entryCount,
                    bool hyperTraining, LevelHint hints[StatCount]);
