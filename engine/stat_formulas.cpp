// The two stat formulas of generations 3 to 6.
#include "engine.h"

namespace {

// 2·B + I + ⌊E/4⌋, scaled by the level: the part HP and the other stats share.
int32_t LevelScaledCore(uint16_t base, uint32_t iv, uint16_t effort,
                        uint8_t level) {
  int32_t core = 2 * static_cast<int32_t>(base) + static_cast<int32_t>(iv) +
                 static_cast<int32_t>(effort >> 2);
  return core * static_cast<int32_t>(level) / 100;
}

}  // namespace

int32_t CalcHpStat(uint16_t base, uint32_t iv, uint16_t effort, uint8_t level) {
  return LevelScaledCore(base, iv, effort, level) + level + 10;
}

int32_t CalcOtherStat(uint16_t base, uint32_t iv, uint16_t effort,
                      uint8_t level, double multiplier) {
  uint16_t q = static_cast<uint16_t>(LevelScaledCore(base, iv, effort, level));
  int32_t t = static_cast<int32_t>(q) + 5;
  // Truncation toward zero, as the games do; never rounding to nearest.
  return static_cast<int32_t>(t * multiplier);
}
