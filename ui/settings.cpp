// Reading and writing the remembered settings in the registry.
#include "ui/settings.h"

#include "ui/game_modes.h"
#include "ui/species_list.h"
#include "ui/window_place.h"

namespace {

// What the earlier release stored: fixed numbers of its menu, whatever the
// menu's ids are now.
constexpr DWORD OldFirstModeCommand = 32801;  // generation 3, then in order
constexpr DWORD OldModeCommandCount = 4;      // generations 3 to 6
constexpr DWORD OldFirstSortCommand = 32805;  // OrderKana, then in order
constexpr DWORD OldSortCommandCount = 12;
static_assert(OldSortCommandCount <= SpeciesOrderCount, "old orders");

// Room for the longest order key and its terminator.
constexpr int OrderKeyCapacity = 32;

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

// A REG_SZ value that fits `capacity` units with its terminator.
bool ReadText(HKEY key, const wchar_t* name, wchar_t* text, int capacity) {
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(capacity * sizeof(wchar_t));
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ || size % sizeof(wchar_t) != 0)
    return false;
  // The stored text need not carry its terminator.
  DWORD units = size / sizeof(wchar_t);
  if (units > 0 && text[units - 1] == L'\0') --units;
  if (units >= static_cast<DWORD>(capacity)) return false;
  text[units] = L'\0';
  return true;
}

void WriteText(HKEY key, const wchar_t* name, const wchar_t* text) {
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>((lstrlenW(text) + 1) * sizeof(wchar_t)));
}

void WriteGeneration(HKEY key, int generation) {
  WriteDword(key, GenerationValue, static_cast<DWORD>(generation));
}

void WriteOrder(HKEY key, int order) {
  const char16_t* orderKey = SpeciesOrderKey(order);
  if (orderKey != nullptr)
    WriteText(key, SpeciesOrderValue,
              reinterpret_cast<const wchar_t*>(orderKey));
}

// Rewrites the mode and order an earlier release stored as menu commands.
// An old value wins over a new one: it was written last (by the earlier
// release after this one ran). A bad old value is dropped all the same.
void MigrateOldValues() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey, 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS)
    return;
  DWORD value = 0;
  if (ReadDword(key, GameModeValue, value) && value >= OldFirstModeCommand &&
      value < OldFirstModeCommand + OldModeCommandCount)
    WriteGeneration(
        key, FirstGeneration + static_cast<int>(value - OldFirstModeCommand));
  if (ReadDword(key, SortOrderValue, value) && value >= OldFirstSortCommand &&
      value < OldFirstSortCommand + OldSortCommandCount)
    WriteOrder(key, static_cast<int>(value - OldFirstSortCommand));
  RegDeleteValueW(key, GameModeValue);
  RegDeleteValueW(key, SortOrderValue);
  RegCloseKey(key);
}

// The remembered generation's mode command, or 0.
uint32_t RememberedModeCommand(HKEY key) {
  DWORD generation = 0;
  if (!ReadDword(key, GenerationValue, generation) ||
      FindGameDefinition(static_cast<int>(generation)) == nullptr)
    return 0;
  return ModeCommandOf(static_cast<int>(generation));
}

// The remembered order's sort command, or 0. An order the chosen mode does
// not offer gives the national order.
uint32_t RememberedSortCommand(HKEY key) {
  wchar_t text[OrderKeyCapacity];
  SpeciesOrder order = OrderKana;
  if (!ReadText(key, SpeciesOrderValue, text, OrderKeyCapacity) ||
      !FindSpeciesOrderByKey(reinterpret_cast<const char16_t*>(text), order))
    return 0;
  const GameDefinition* game = ChosenGame();
  if (game != nullptr && !IsOrderOffered(order, *game)) order = OrderNational;
  return SortCommandOf(order);
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
  MigrateOldValues();
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS)
    return;
  // A choice equal to the start-up one is not made again: each refills the
  // species list, which is most of the start-up's work.
  uint32_t mode = RememberedModeCommand(key);
  if (mode != 0 && mode != GameMode) SendMessageW(window, WM_COMMAND, mode, 0);
  uint32_t order = RememberedSortCommand(key);
  if (order != 0 && order != SortOrder)
    SendMessageW(window, WM_COMMAND, order, 0);
  ApplyWindowPosition(window, key);
  RegCloseKey(key);
}

void RememberSettings(HWND window) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  if (const GameDefinition* game = ChosenGame())
    WriteGeneration(key, game->generation);
  if (IsSortCommand(SortOrder)) WriteOrder(key, OrderOfSortCommand(SortOrder));
  RECT place{};
  // A minimised window's rectangle is not a place to come back to.
  if (!IsIconic(window) && GetWindowRect(window, &place)) {
    WriteDword(key, WindowLeftValue, static_cast<DWORD>(place.left));
    WriteDword(key, WindowTopValue, static_cast<DWORD>(place.top));
  }
  RegCloseKey(key);
}
