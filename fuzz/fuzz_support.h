// Shared pieces of the fuzz targets: the shipped tables, a check that aborts
// (libFuzzer reports it as a crash with the input), and the invariants every
// engine result must keep.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/engine.h"
#include "support/test_data.h"

// Aborts with the failed condition when `ok` is false.
#define FUZZ_CHECK(ok) \
  ((ok) ? (void)0 : FuzzCheckFailed(#ok, __FILE__, __LINE__))
[[noreturn]] void FuzzCheckFailed(const char* what, const char* file, int line);

// Loads the shipped tables (aborting when they cannot be read) and keeps a
// copy of SpeciesTable in resource order for RestoreSpeciesOrder, which also
// puts ModernSpeciesTable back in row order.
void LoadShippedTables();
void RestoreSpeciesOrder();

// What a successful engine query must deliver: all masks empty or none,
// bounds equal to the lowest and highest candidate, nature directions of -1,
// 0 or +1, and hidden power exactly when all six IVs are pinned and the
// generation has hidden power, with the power of the generation's rule.
void CheckResultInvariants(const IvResult& result, HiddenPowerPowerRule rule);
