#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

SpeciesRecord ResourceOrder[SpeciesCount];

}  // namespace

void FuzzCheckFailed(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
  std::abort();
}

void LoadShippedTables() {
  FUZZ_CHECK(LoadTestGameData());
  std::memcpy(ResourceOrder, SpeciesTable, sizeof ResourceOrder);
}

void RestoreSpeciesOrder() {
  std::memcpy(SpeciesTable, ResourceOrder, sizeof ResourceOrder);
  // The shipped rows are numbered 1..ModernSpeciesCount in resource order.
  int16_t positions[ModernSpeciesCount];
  for (int k = 0; k < ModernSpeciesCount; ++k)
    positions[ModernSpeciesTable[k].rowId - 1] = static_cast<int16_t>(k);
  ReorderModernSpecies(positions);
}

void CheckResultInvariants(const IvResult& result, HiddenPowerPowerRule rule) {
  int empty = 0;
  bool pinned = true;
  for (int s = 0; s < StatCount; ++s) {
    const StatResult& stat = result.stats[s];
    if (s != StatHp) FUZZ_CHECK(stat.natureDir >= -1 && stat.natureDir <= 1);
    if (stat.mask == 0) {
      ++empty;
      pinned = false;
      continue;
    }
    FUZZ_CHECK(stat.minIv == __builtin_ctz(stat.mask));
    FUZZ_CHECK(stat.maxIv == 31 - __builtin_clz(stat.mask));
    if (stat.minIv != stat.maxIv) pinned = false;
  }
  if (rule == HiddenPowerPowerRule::None) pinned = false;
  FUZZ_CHECK(empty == 0 || empty == StatCount);
  FUZZ_CHECK(result.hiddenPowerKnown == (pinned ? 1 : 0));
  if (!pinned) {
    FUZZ_CHECK(result.hiddenPowerType[0] == 0);
    FUZZ_CHECK(result.hiddenPowerPower == 0);
    return;
  }
  IvResult scratch{};
  for (int s = 0; s < StatCount; ++s)
    scratch.stats[s].minIv = result.stats[s].minIv;
  CalcHiddenPower(&scratch, rule);
  FUZZ_CHECK(std::memcmp(scratch.hiddenPowerType, result.hiddenPowerType,
                         sizeof scratch.hiddenPowerType) == 0);
  FUZZ_CHECK(scratch.hiddenPowerPower == result.hiddenPowerPower);
  FUZZ_CHECK(result.hiddenPowerPower >= 30 && result.hiddenPowerPower <= 70);
  if (rule == HiddenPowerPowerRule::Fixed60)
    FUZZ_CHECK(result.hiddenPowerPower == 60);
}
