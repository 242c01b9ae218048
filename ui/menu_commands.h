// The menu commands of the main window: the file commands, quitting, the
// generation modes, the species list orders and the tools.
#pragma once

#include <windows.h>

#include <cstdint>

// Adapts the form to a generation mode (level range and clamp,
// characteristic list, effort value ranges, radio mark) and stores it as
// GameMode.
void ApplyGameMode(HWND window, uint32_t gameMode);

// WM_COMMAND for the menu commands 32800..32839; false for other ids.
bool HandleMenuCommand(HWND window, UINT command);
