// Loading the game data tables from the program's own resources.
#pragma once

#include <windows.h>

// Finds, loads and locks "POKE_DATA", "NATURE_DATA" and "MODERN_DATA" (type
// "BYTE") in the module and fills the three tables from them. False, with the
// tables untouched, when any resource is missing or too short.
bool LoadGameData(HINSTANCE instance);
