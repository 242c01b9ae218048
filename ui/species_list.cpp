// The species box's list, refilled in a generation and a sort order, and the
// record of the chosen order.
#include "ui/species_list.h"

#include "ui/common.h"
#include "ui/form_layout.h"
#include "ui/game_modes.h"

uint32_t SortOrder = FirstSortCommand();

namespace {

void MarkSortOrder(HWND window, uint32_t sortOrder) {
  HMENU settings = GetSubMenu(GetMenu(window), SettingsMenuPosition);
  HMENU orders = GetSubMenu(settings, SortMenuPosition);
  CheckMenuRadioItem(orders, FirstSortCommand(), LastSortCommand(), sortOrder,
                     MF_BYCOMMAND);
}

}  // namespace

void FillSpeciesList(HWND speciesBox, const GameDefinition& game,
                     SpeciesOrder order) {
  wchar_t kept[SpeciesTextCapacity] = L"";
  ReadWindowText(speciesBox, kept, SpeciesTextCapacity);
  SendMessageW(speciesBox, CB_RESETCONTENT, 0, 0);
  SortSpeciesTable(order, game);
  for (const SpeciesRecord& record : SpeciesTable) {
    if (IsListedInGame(record, game) && IsListedInOrder(record, order))
      SendMessageW(speciesBox, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(record.name));
  }
  SendMessageW(speciesBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kept));
}

void RefillSpeciesList(HWND window, HWND speciesBox, uint32_t sortOrder) {
  const GameDefinition* game = ChosenGame();
  if (game == nullptr || !IsSortCommand(sortOrder)) return;
  FillSpeciesList(speciesBox, *game, OrderOfSortCommand(sortOrder));
  MarkSortOrder(window, sortOrder);
  SortOrder = sortOrder;
}
