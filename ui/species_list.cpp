#include "ui/species_list.h"

#include "data/species_order.h"
#include "ui/common.h"
#include "ui/form_layout.h"

namespace {

// "設定(&O)" is the second menu; the sort orders are its second submenu.
constexpr int SettingsMenuPosition = 1;
constexpr int SortMenuPosition = 1;

void MarkSortOrder(HWND window, uint32_t sortOrder) {
  HMENU settings = GetSubMenu(GetMenu(window), SettingsMenuPosition);
  HMENU orders = GetSubMenu(settings, SortMenuPosition);
  CheckMenuRadioItem(orders, FirstSortOrder, LastSortOrder, sortOrder,
                     MF_BYCOMMAND);
}

}  // namespace

void RefillSpeciesList(HWND window, HWND list, uint32_t sortOrder) {
  wchar_t kept[SpeciesTextCapacity] = L"";
  ReadWindowText(list, kept, SpeciesTextCapacity);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  SortSpeciesTable(sortOrder, GameMode);
  for (const SpeciesRecord& record : SpeciesTable) {
    if (IsListedInMode(record, GameMode) && IsListedInOrder(record, sortOrder))
      SendMessageW(list, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(record.name));
  }
  SendMessageW(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kept));
  MarkSortOrder(window, sortOrder);
  SortOrder = sortOrder;
}
