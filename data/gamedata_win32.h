// Loading the game data tables from the program's own resources.
#pragma once

#include <windows.h>

// Finds, loads and locks "POKE_DATA" and "NATURE_DATA" (type "BYTE") in the
// module and fills the tables from them. False, with the tables untouched,
// when either resource is missing or too short.
bool LoadGameData(HINSTANCE instance);
