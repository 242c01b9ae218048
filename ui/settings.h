// Remembered settings under HKEY_CURRENT_USER\Software\Tessavar: the
// generation mode, the species list order and the window position.
#pragma once

#include <windows.h>

constexpr wchar_t SettingsKey[] = L"Software\\Tessavar";
constexpr wchar_t GameModeValue[] = L"GameMode";
constexpr wchar_t SortOrderValue[] = L"SortOrder";
constexpr wchar_t WindowLeftValue[] = L"WindowLeft";
constexpr wchar_t WindowTopValue[] = L"WindowTop";

// At start-up, after the start-up steps: chooses the remembered mode and
// order as their menu commands and moves the window to its remembered place.
// A missing, out-of-range or wrong-typed value is ignored, and so is a place
// off every monitor (the window stays centred).
void ApplyRememberedSettings(HWND window);

// When the window closes: stores the current mode, order and position.
void RememberSettings(HWND window);
