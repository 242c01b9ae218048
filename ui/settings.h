// Remembered settings under HKEY_CURRENT_USER\Software\Tessavar: the
// generation, the species list order and the window position. The
// generation is stored as its number and the order as its text key, so that
// no renumbering of the menu commands changes what a stored value means.
#pragma once

#include <windows.h>

constexpr wchar_t SettingsKey[] = L"Software\\Tessavar";
constexpr wchar_t GenerationValue[] = L"Generation";      // REG_DWORD 3..9
constexpr wchar_t SpeciesOrderValue[] = L"SpeciesOrder";  // REG_SZ order key
// The values of release 3.5 and earlier: the menu commands 32801..32804 and
// 32805..32816 as REG_DWORD. Read once, rewritten in the form above and
// deleted.
constexpr wchar_t GameModeValue[] = L"GameMode";
constexpr wchar_t SortOrderValue[] = L"SortOrder";
constexpr wchar_t WindowLeftValue[] = L"WindowLeft";
constexpr wchar_t WindowTopValue[] = L"WindowTop";

// At start-up, after the start-up steps: rewrites values of an earlier
// release in the current form, chooses the remembered mode and order as their
// menu commands (an order the mode does not offer gives the national one)
// and moves the window to its remembered place. A missing, out-of-range or
// wrong-typed value is ignored, and so is a place off every monitor (the
// window stays centred).
void ApplyRememberedSettings(HWND window);

// When the window closes: stores the current mode, order and position.
void RememberSettings(HWND window);
