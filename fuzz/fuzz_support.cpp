#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/true_monster.h"

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
  if (const char* broken = BrokenResultInvariant(result, rule))
    FuzzCheckFailed(broken, __FILE__, __LINE__);
}
