// The status list's rows: Add, Edit, Delete and the buttons that follow the
// selection.
#include "ui/status_rows.h"

#include <commctrl.h>

#include "document/observation.h"
#include "tools/number_field.h"
#include "ui/common.h"
#include "ui/form_layout.h"
#include "ui/game_modes.h"
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

// Inserts list row `row` showing observation `row` of the model.
void InsertListRow(HWND list, int row) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = 0;
  item.pszText = const_cast<wchar_t*>(L"");
  if (SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)) <
      0)
    return;
  const Observation& observation = ObservationAt(row);
  for (int column = 1; column <= NumericFieldCount; ++column) {
    char16_t text[CellTextCapacity];
    ObservationCellText(observation, column, text, CellTextCapacity);
    SetCellText(list, row, column, reinterpret_cast<const wchar_t*>(text));
  }
}

int FieldNumber(HWND window, int id) {
  return static_cast<int>(
      SendDlgItemMessageW(window, SpinOfNumericField(id), UDM_GETPOS32, 0, 0));
}

bool EffortUnknown(HWND window) {
  return IsDlgButtonChecked(window, IDC_EFFORT_UNKNOWN) == BST_CHECKED;
}

// The row the clamped fields describe; the effort values stay 0 while they
// are unknown. The trained marks count only in games with hyper training
// (elsewhere they are hidden, yet a message can still check one).
Observation ReadFormRow(HWND window) {
  const GameDefinition* game = ChosenGame();
  bool training = game != nullptr && game->hyperTraining;
  Observation row{};
  row.level = FieldNumber(window, IDC_LEVEL);
  row.effortUnknown = EffortUnknown(window);
  for (int stat = 0; stat < StatCount; ++stat) {
    row.stats[stat] = FieldNumber(window, StatRows[stat].statField);
    if (!row.effortUnknown)
      row.efforts[stat] = FieldNumber(window, StatRows[stat].evField);
    if (training &&
        IsDlgButtonChecked(window, StatRows[stat].trainedBox) == BST_CHECKED)
      row.trained |= 1 << stat;
  }
  return row;
}

void SetFieldNumber(HWND window, int id, int value) {
  wchar_t text[16];
  wsprintfW(text, L"%d", value);
  SetDlgItemTextW(window, id, text);
}

int FocusedRow(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM,
                                       static_cast<WPARAM>(-1),
                                       MAKELPARAM(LVNI_FOCUSED, 0)));
}

}  // namespace

void SetEffortUnknown(HWND window, bool unknown) {
  CheckDlgButton(window, IDC_EFFORT_UNKNOWN,
                 unknown ? BST_CHECKED : BST_UNCHECKED);
  for (const StatRowControls& row : StatRows) {
    EnableWindow(GetDlgItem(window, row.evField), !unknown);
    EnableWindow(GetDlgItem(window, row.evSpin), !unknown);
  }
}

void AddStatusRow(HWND window) {
  // Text can reach a field without a focus change (pasted by another
  // program); the row gets what leaving each field would have left in it.
  for (const NumericField& entry : NumericFields)
    ClampFieldToRange(GetDlgItem(window, entry.spin));
  // Unknown effort values are no total to check.
  if (!EffortUnknown(window) && EffortTotal(window) > EffortTotalLimit) {
    ShowMessage(window, L"努力値の合計が510を超えています", MB_ICONWARNING);
    return;
  }
  if (!AppendObservation(ReadFormRow(window))) {
    ShowMessage(window, L"これ以上追加できません（1000件まで）",
                MB_ICONWARNING);
    return;
  }
  HWND list = StatusList(window);
  int row = ObservationCount() - 1;
  InsertListRow(list, row);
  SetRowSelected(list, -1, false);
  // The highlighted row is also the one Edit loads.
  SetRowState(list, row, LVIS_SELECTED | LVIS_FOCUSED,
              LVIS_SELECTED | LVIS_FOCUSED);
  SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  RequestRecalc(window);
}

void EditStatusRow(HWND window) {
  int row = FocusedRow(StatusList(window));
  if (row < 0 || row >= ObservationCount()) return;
  const Observation& observation = ObservationAt(row);
  const GameDefinition* game = ChosenGame();
  bool training = game != nullptr && game->hyperTraining;
  SetFieldNumber(window, IDC_LEVEL, observation.level);
  for (int stat = 0; stat < StatCount; ++stat) {
    SetFieldNumber(window, StatRows[stat].statField, observation.stats[stat]);
    // A row of unknown effort values leaves the effort fields as they are.
    if (!observation.effortUnknown)
      SetFieldNumber(window, StatRows[stat].evField, observation.efforts[stat]);
    // The marks stay clear in games without hyper training.
    if (training)
      CheckDlgButton(
          window, StatRows[stat].trainedBox,
          observation.trained >> stat & 1 ? BST_CHECKED : BST_UNCHECKED);
  }
  SetEffortUnknown(window, observation.effortUnknown);
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
    RemoveObservation(row);
  }
  if (last >= 0) {
    int remaining = ObservationCount();
    int next = last <= remaining - 1 ? last : last - 1;
    if (next >= 0) SetRowSelected(list, next, true);
  }
  RequestRecalc(window);
}

void ShowObservations(HWND window) {
  HWND list = StatusList(window);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (int row = 0; row < ObservationCount(); ++row) InsertListRow(list, row);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  UpdateRowButtons(window);
}

void UpdateRowButtons(HWND window) {
  bool any = SendDlgItemMessageW(window, IDC_STATUS_LIST, LVM_GETSELECTEDCOUNT,
                                 0, 0) != 0;
  EnableWindow(GetDlgItem(window, IDC_EDIT_ROW), any);
  EnableWindow(GetDlgItem(window, IDC_DELETE_ROWS), any);
}
