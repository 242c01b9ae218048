// The species box's list, refilled in a generation and a sort order, and the
// record of the chosen order.
#include "ui/species_list.h"

#include <algorithm>

#include "data/modern_species.h"
#include "res/resource.h"
#include "ui/common.h"
#include "ui/form_layout.h"
#include "ui/game_modes.h"

uint32_t SortOrder = IDM_SORT_KANA;

namespace {

// Room for the names of the longest list, that of the larger table.
constexpr int SpeciesNamesCapacity = std::max(SpeciesCount, ModernSpeciesCount);

HMENU SortSubmenu(HWND window) {
  HMENU settings = GetSubMenu(GetMenu(window), SettingsMenuPosition);
  return GetSubMenu(settings, SortMenuPosition);
}

void MarkSortOrder(HWND window, uint32_t sortOrder) {
  MarkRadioCommand(SortSubmenu(window), sortOrder);
}

}  // namespace

void FillSpeciesList(HWND speciesBox, const GameDefinition& game,
                     SpeciesOrder order) {
  const char16_t* names[SpeciesNamesCapacity];
  int count = ListSpeciesNames(game, order, names, SpeciesNamesCapacity);
  wchar_t kept[SpeciesTextCapacity] = L"";
  ReadWindowText(speciesBox, kept, SpeciesTextCapacity);
  // Up to a thousand items one by one: their room is reserved once, and the
  // box is drawn again only when they are all in.
  SendMessageW(speciesBox, WM_SETREDRAW, FALSE, 0);
  SendMessageW(speciesBox, CB_RESETCONTENT, 0, 0);
  SendMessageW(speciesBox, CB_INITSTORAGE, static_cast<WPARAM>(count),
               static_cast<LPARAM>(count) * SpeciesNameCapacity *
                   static_cast<LPARAM>(sizeof(wchar_t)));
  for (int k = 0; k < count; ++k)
    SendMessageW(speciesBox, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(names[k]));
  SendMessageW(speciesBox, WM_SETREDRAW, TRUE, 0);
  SendMessageW(speciesBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kept));
  RedrawWindow(speciesBox, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void RefillSpeciesList(HWND window, HWND speciesBox, uint32_t sortOrder) {
  const GameDefinition* game = ChosenGame();
  if (game == nullptr || !IsSortCommand(sortOrder)) return;
  FillSpeciesList(speciesBox, *game, OrderOfSortCommand(sortOrder));
  MarkSortOrder(window, sortOrder);
  SortOrder = sortOrder;
}

bool OfferOrdersOfGame(HWND window, const GameDefinition& game) {
  HMENU orders = SortSubmenu(window);
  for (int order = 0; order < SpeciesOrderCount; ++order)
    EnableMenuItem(
        orders, SortCommandOf(order),
        MF_BYCOMMAND | (IsOrderOffered(order, game) ? MF_ENABLED : MF_GRAYED));
  if (IsOrderOffered(OrderOfSortCommand(SortOrder), game)) return false;
  SortOrder = SortCommandOf(OrderNational);
  MarkSortOrder(window, SortOrder);
  return true;
}
