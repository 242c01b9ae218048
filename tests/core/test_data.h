// Loads the built game data tables for the tests, once per test program.
#pragma once

#include <vector>

#include "data/gamedata.h"

// The packed resources as bytes.
const std::vector<uint8_t>& PokeDataBytesForTest();
const std::vector<uint8_t>& NatureDataBytesForTest();

// Fills SpeciesTable and NatureTable afresh (resource order) and sets
// GameMode to generation 6; false when the data cannot be read.
bool LoadTestGameData();
