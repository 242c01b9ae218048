// Pieces shared between the engine's own files.
#pragma once

#include "engine.h"

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

struct ClueInput {
  const char16_t* characteristic;
  const char16_t* hiddenPowerType;
  int32_t overallVerdict;
  int32_t marks[StatCount];
  int32_t bestStatVerdict;
};

// Narrows the six masks by the clues in passes until a pass changes nothing.
void ApplyClues(IvResult& result, const ClueInput& clues);
