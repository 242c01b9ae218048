// The build's packed game data for the tests, fuzz targets and benchmarks:
// read once per program, from the build's gamedata folder natively and from
// the program's own resources under Windows.
#pragma once

#include <cstdint>
#include <vector>

#include "data/game_definitions.h"
#include "data/gamedata.h"
#include "data/modern_species.h"

// The packed resources as bytes; empty when they cannot be read.
const std::vector<uint8_t>& PokeDataBytesForTest();
const std::vector<uint8_t>& NatureDataBytesForTest();
const std::vector<uint8_t>& ModernDataBytesForTest();

// Fills SpeciesTable, NatureTable and ModernSpeciesTable afresh (resource
// order); false when the data cannot be read.
bool LoadTestGameData();

// The definition of a generation the program has (3..9).
const GameDefinition& Gen(int generation);
