// The status list's rows: Add, Edit, Delete and the buttons that follow the
// selection.
#include "ui/status_rows.h"

#include <commctrl.h>

#include "tools/number_field.h"
#include "ui/common.h"
#include "ui/form_layout.h"
#include "ui/recalc_request.h"

namespace {

HWND StatusList(HWND window) { return GetDlgItem(window, IDC_STATUS_LIST); }

int EffortTotal(HWND window) {
  int total = 0;
  for (const StatRowControls& row : StatRows) {
    BOOL failed = FALSE;
    total += static_cast<int>(
        SendDlgItemMessageW(window, row.evSpin, UDM_GETPOS32, 0,
                            reinterpret_cast<LPARAM>(&failed)));
  }
  return total;
}

void SetRowState(HWND list, int row, UINT mask, UINT state) {
  LVITEMW item{};
  item.stateMask = mask;
  item.state = state;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
}

void SetRowSelected(HWND list, int row, bool selected) {
  SetRowState(list, row, LVIS_SELECTED, selected ? LVIS_SELECTED : 0);
}

void SetCellText(HWND list, int row, int column, const wchar_t* text) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = const_cast<wchar_t*>(text);
  SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

// Appends a row with an empty item text; returns its index or -1.
int AppendRow(HWND list) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  item.iSubItem = 0;
  item.pszText = const_cast<wchar_t*>(L"");
  return static_cast<int>(
      SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

}  // namespace

void AddStatusRow(HWND window) {
  // Text can reach a field without a focus change (pasted by another
  // program); the row gets what leaving each field would have left in it.
  for (const NumericField& entry : NumericFields)
    ClampFieldToRange(GetDlgItem(window, entry.spin));
  if (EffortTotal(window) > EffortTotalLimit) {
    ShowMessage(window, L"努力値の合計が510を超えています", MB_ICONWARNING);
    return;
  }
  HWND list = StatusList(window);
  int row = AppendRow(list);
  if (row < 0) return;
  for (int k = 0; k < NumericFieldCount; ++k) {
    wchar_t text[CellTextCapacity] = L"";
    ReadWindowText(GetDlgItem(window, NumericFields[k].field), text,
                   CellTextCapacity);
    SetCellText(list, row, k + 1, text);
  }
  SetRowSelected(list, -1, false);
  // The highlighted row is also the one Edit loads.
  SetRowState(list, row, LVIS_SELECTED | LVIS_FOCUSED,
              LVIS_SELECTED | LVIS_FOCUSED);
  SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  RequestRecalc(window);
}

void EditStatusRow(HWND window) {
  HWND list = StatusList(window);
  int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM,
                                          static_cast<WPARAM>(-1),
                                          MAKELPARAM(LVNI_FOCUSED, 0)));
  if (row < 0) return;
  for (int k = 0; k < NumericFieldCount; ++k) {
    wchar_t text[CellTextCapacity] = L"";
    LVITEMW item{};
    item.iSubItem = k + 1;
    item.pszText = text;
    item.cchTextMax = CellTextCapacity;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    text[CellTextCapacity - 1] = L'\0';
    SetDlgItemTextW(window, NumericFields[k].field, text);
  }
}

void DeleteStatusRows(HWND window) {
  HWND list = StatusList(window);
  int last = -1;
  for (;;) {
    int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM,
                                            static_cast<WPARAM>(-1),
                                            MAKELPARAM(LVNI_SELECTED, 0)));
    if (row < 0) break;
    last = row;
    if (!SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0)) break;
  }
  if (last >= 0) {
    int remaining =
        static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    int next = last <= remaining - 1 ? last : last - 1;
    if (next >= 0) SetRowSelected(list, next, true);
  }
  RequestRecalc(window);
}

void UpdateRowButtons(HWND window) {
  bool any = SendDlgItemMessageW(window, IDC_STATUS_LIST, LVM_GETSELECTEDCOUNT,
                                 0, 0) != 0;
  EnableWindow(GetDlgItem(window, IDC_EDIT_ROW), any);
  EnableWindow(GetDlgItem(window, IDC_DELETE_ROWS), any);
}
