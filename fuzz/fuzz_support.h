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

// Aborts naming the first of BrokenResultInvariant's rules that a
// successful engine query breaks.
void CheckResultInvariants(const IvResult& result, HiddenPowerPowerRule rule);
