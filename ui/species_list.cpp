// The species box's list, refilled in the current mode and a sort order.
#include "ui/species_list.h"

#include "data/species_order.h"
#include "ui/common.h"
#include "ui/form_layout.h"

namespace {

void MarkSortOrder(HWND window, uint32_t sortOrder) {
  HMENU settings = GetSubMenu(GetMenu(window), SettingsMenuPosition);
  HMENU orders = GetSubMenu(settings, SortMenuPosition);
  CheckMenuRadioItem(orders, FirstSortOrder, LastSortOrder, sortOrder,
                     MF_BYCOMMAND);
}

}  // namespace

void RefillSpeciesList(HWND window, HWND speciesBox, uint32_t sortOrder) {
  wchar_t kept[SpeciesTextCapacity] = L"";
  ReadWindowText(speciesBox, kept, SpeciesTextCapacity);
  SendMessageW(speciesBox, CB_RESETCONTENT, 0, 0);
  SortSpeciesTable(sortOrder, GameMode);
  for (const SpeciesRecord& record : SpeciesTable) {
    if (IsListedInMode(record, GameMode) && IsListedInOrder(record, sortOrder))
      SendMessageW(speciesBox, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(record.name));
  }
  SendMessageW(speciesBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kept));
  MarkSortOrder(window, sortOrder);
  SortOrder = sortOrder;
}
