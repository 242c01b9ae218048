// The menu commands of the main window: quitting, the generation modes, the
// species list orders and the tools.
#pragma once

#include <windows.h>

#include <cstdint>

// Status bar texts of the modes (32801..32804) and orders (32805..32816);
// null for any other command.
const wchar_t* ModeStatusText(uint32_t gameMode);
const wchar_t* SortOrderStatusText(uint32_t sortOrder);

// Adapts the form to a generation mode (level range and clamp,
// characteristic list, effort value ranges, radio mark) and stores it as
// GameMode; returns it.
uint32_t ApplyGameMode(HWND window, uint32_t gameMode);

// WM_COMMAND for the menu commands 32800..32820; false for other ids.
bool HandleMenuCommand(HWND window, UINT command);
