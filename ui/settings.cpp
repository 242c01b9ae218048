// Reading and writing the remembered settings in the registry.
#include "ui/settings.h"

#include "data/gamedata.h"
#include "data/species_order.h"
#include "ui/window_place.h"

namespace {

// A REG_DWORD value of exactly four bytes.
bool ReadDword(HKEY key, const wchar_t* name, DWORD& value) {
  DWORD type = 0;
  DWORD size = sizeof(value);
  return RegQueryValueExW(key, name, nullptr, &type,
                          reinterpret_cast<BYTE*>(&value),
                          &size) == ERROR_SUCCESS &&
         type == REG_DWORD && size == sizeof(value);
}

void WriteDword(HKEY key, const wchar_t* name, DWORD value) {
  RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                 sizeof(value));
}

void ApplyWindowPosition(HWND window, HKEY key) {
  DWORD left = 0;
  DWORD top = 0;
  if (!ReadDword(key, WindowLeftValue, left) ||
      !ReadDword(key, WindowTopValue, top))
    return;
  MoveWindowToRememberedPlace(window, static_cast<LONG>(left),
                              static_cast<LONG>(top));
}

}  // namespace

void ApplyRememberedSettings(HWND window) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS)
    return;
  DWORD value = 0;
  // A choice equal to the start-up one is not made again: each refills the
  // species list, which is most of the start-up's work.
  if (ReadDword(key, GameModeValue, value) && value >= ModeGen3 &&
      value <= ModeGen6 && value != GameMode)
    SendMessageW(window, WM_COMMAND, value, 0);
  if (ReadDword(key, SortOrderValue, value) && value >= FirstSortOrder &&
      value <= LastSortOrder && value != SortOrder)
    SendMessageW(window, WM_COMMAND, value, 0);
  ApplyWindowPosition(window, key);
  RegCloseKey(key);
}

void RememberSettings(HWND window) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  WriteDword(key, GameModeValue, GameMode);
  WriteDword(key, SortOrderValue, SortOrder);
  RECT place{};
  // A minimised window's rectangle is not a place to come back to.
  if (!IsIconic(window) && GetWindowRect(window, &place)) {
    WriteDword(key, WindowLeftValue, static_cast<DWORD>(place.left));
    WriteDword(key, WindowTopValue, static_cast<DWORD>(place.top));
  }
  RegCloseKey(key);
}
