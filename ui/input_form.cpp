// The input form: its lists and ranges, the field discipline and the routing
// of its controls' notifications.
#include "ui/input_form.h"

#include <commctrl.h>

#include "data/gamedata.h"
#include "engine/engine.h"
#include "tools/dpi.h"
#include "tools/number_field.h"
#include "ui/common.h"
#include "ui/form_layout.h"
#include "ui/recalc_request.h"
#include "ui/status_rows.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t),
              "UTF-16 names pass to Win32 unchanged");

namespace {

// The hidden power types in kana order (indexes into HiddenPowerTypeNames:
// あく, いわ, エスパー, かくとう, くさ, ゴースト, こおり, じめん, でんき, どく,
// ドラゴン, はがね, ひこう, ほのお, みず, むし), listed after the empty item.
constexpr int HiddenPowerTypesInKanaOrder[HiddenPowerTypeCount] = {
    15, 4, 12, 0, 10, 6, 13, 3, 11, 2, 14, 7, 1, 8, 9, 5};

// Every type exactly once.
constexpr bool ListsEveryTypeOnce(const int (&order)[HiddenPowerTypeCount]) {
  unsigned seen = 0;
  for (int type : order) {
    if (type < 0 || type >= HiddenPowerTypeCount || (seen >> type & 1u))
      return false;
    seen |= 1u << type;
  }
  return true;
}
static_assert(ListsEveryTypeOnce(HiddenPowerTypesInKanaOrder),
              "the kana order lists every hidden power type once");

// Status list columns: the invisible item column, the level, six stats and
// six effort values. Widths in pixels at 96 DPI; they follow the window's.
struct ColumnSpec {
  const wchar_t* header;
  int width;
  int format;
};
constexpr int StatusColumnCount = 14;
constexpr ColumnSpec StatusColumns[StatusColumnCount] = {
    {L"", 0, LVCFMT_LEFT},       {L"Lv", 42, LVCFMT_RIGHT},
    {L"HP", 42, LVCFMT_RIGHT},   {L"攻撃", 42, LVCFMT_RIGHT},
    {L"防御", 42, LVCFMT_RIGHT}, {L"特攻", 42, LVCFMT_RIGHT},
    {L"特防", 42, LVCFMT_RIGHT}, {L"素早", 42, LVCFMT_RIGHT},
    {L"HP", 42, LVCFMT_RIGHT},   {L"攻撃", 42, LVCFMT_RIGHT},
    {L"防御", 42, LVCFMT_RIGHT}, {L"特攻", 42, LVCFMT_RIGHT},
    {L"特防", 42, LVCFMT_RIGHT}, {L"素早", 42, LVCFMT_RIGHT}};

constexpr int SpeciesTextLimit = 19;
constexpr int NatureTextLimit = 5;

void InsertItem(HWND list, int index, const wchar_t* text) {
  SendMessageW(list, CB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text));
}

void FillCharacteristicList(HWND window) {
  HWND list = GetDlgItem(window, IDC_CHARACTERISTIC);
  InsertItem(list, 0, L"");
  for (int k = 0; k < CharacteristicCount; ++k)
    InsertItem(list, k + 1,
               reinterpret_cast<const wchar_t*>(CharacteristicTable[k].text));
}

void FillHiddenPowerClueList(HWND window) {
  HWND list = GetDlgItem(window, IDC_HP_TYPE_CLUE);
  InsertItem(list, 0, L"");
  int index = 1;
  for (int type : HiddenPowerTypesInKanaOrder)
    InsertItem(list, index++,
               reinterpret_cast<const wchar_t*>(HiddenPowerTypeNames[type]));
  SendMessageW(list, CB_SETCURSEL, 0, 0);
}

void FillVerdictList(HWND window, int id, const VerdictRecord* verdicts) {
  HWND list = GetDlgItem(window, id);
  for (int k = 0; k < VerdictCount; ++k) {
    const char16_t* text = verdicts[k].text != nullptr ? verdicts[k].text : u"";
    InsertItem(list, k, reinterpret_cast<const wchar_t*>(text));
  }
  SendMessageW(list, CB_SETCURSEL, 0, 0);
}

void FillStatVerdictLists(HWND window) {
  for (const StatRowControls& row : StatRows) {
    HWND list = GetDlgItem(window, row.verdict);
    for (int k = 0; k < StatVerdictCount; ++k)
      InsertItem(list, k,
                 reinterpret_cast<const wchar_t*>(StatVerdict[k].text));
    SendMessageW(list, CB_SETCURSEL, 0, 0);
  }
}

void SetSpinRange(HWND window, int spin, int low, int high) {
  SendDlgItemMessageW(window, spin, UDM_SETRANGE32, static_cast<WPARAM>(low),
                      static_cast<LPARAM>(high));
}

void SetUpStatusList(HWND window) {
  HWND list = GetDlgItem(window, IDC_STATUS_LIST);
  LRESULT styles = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               styles | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  for (int k = 0; k < StatusColumnCount; ++k) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = StatusColumns[k].format;
    column.cx = ScaleToDpi(StatusColumns[k].width, WindowDpi(window));
    column.pszText = const_cast<wchar_t*>(StatusColumns[k].header);
    column.iSubItem = k;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(k),
                 reinterpret_cast<LPARAM>(&column));
  }
}

void FillNatureList(HWND window) {
  HWND list = GetDlgItem(window, IDC_NATURE);
  for (const NatureRecord& nature : NatureTable)
    InsertItem(list, -1, reinterpret_cast<const wchar_t*>(nature.name));
  InsertItem(list, -1, UnknownNatureItem);
}

// CBN_SELCHANGE of a name field: the edit text still holds the old name, so
// copy the chosen item into it before the recalculation reads it.
void CopySelectedName(HWND field) {
  LRESULT index = SendMessageW(field, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  LRESULT length = SendMessageW(field, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR || length >= 64) return;
  wchar_t text[64] = L"";
  SendMessageW(field, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Warns when the species (1044) or nature (1045) field holds a text that is
// not an item of its own list, and puts the focus back on it.
void ValidateNameField(HWND field) {
  if (IsNameFieldListed(field)) return;
  ShowMessage(field,
              GetDlgCtrlID(field) == IDC_SPECIES
                  ? L"指定されたポケモンはデータに存在しません"
                  : L"指定された性格はデータに存在しません",
              MB_ICONWARNING);
  SetFocus(field);
}

bool HandleNameFieldCommand(HWND window, int id, int code) {
  HWND field = GetDlgItem(window, id);
  switch (code) {
    case CBN_SELCHANGE:
      CopySelectedName(field);
      RequestRecalc(window);
      return true;
    case CBN_KILLFOCUS:
      ValidateNameField(field);
      return true;
    case CBN_EDITCHANGE:
      RequestRecalc(window);
      return true;
    default:
      return false;
  }
}

bool HandleNumericFieldCommand(HWND window, int id, int code) {
  switch (code) {
    case EN_SETFOCUS:
      SendDlgItemMessageW(window, id, EM_SETSEL, 0, -1);
      return true;
    case EN_KILLFOCUS:
      ClampFieldToRange(GetDlgItem(window, SpinOfNumericField(id)));
      return true;
    default:
      return false;
  }
}

bool IsStatVerdictList(int id) {
  for (const StatRowControls& row : StatRows)
    if (row.verdict == id) return true;
  return false;
}

bool IsClueList(int id) {
  return id == IDC_HP_TYPE_CLUE || id == IDC_CHARACTERISTIC ||
         id == IDC_OVERALL_VERDICT || id == IDC_BEST_VERDICT ||
         IsStatVerdictList(id);
}

void ShowItem(HWND window, int id, bool shown) {
  ShowWindow(GetDlgItem(window, id), shown ? SW_SHOWNA : SW_HIDE);
}

bool IsShown(HWND window, int id) {
  return (GetWindowLongW(GetDlgItem(window, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

// The best-stat caption, boxes and verdict, or the six per-stat verdicts;
// the judge that goes is cleared.
void ShowJudgeOfGame(HWND window, const GameDefinition& game) {
  bool perStat = game.judge == JudgeKind::PerStat;
  if (perStat && IsShown(window, IDC_BEST_VERDICT)) {
    for (const StatRowControls& row : StatRows)
      CheckDlgButton(window, row.bestBox, BST_INDETERMINATE);
    SendDlgItemMessageW(window, IDC_BEST_VERDICT, CB_SETCURSEL, 0, 0);
  }
  if (!perStat && IsShown(window, StatRows[0].verdict)) {
    for (const StatRowControls& row : StatRows)
      SendDlgItemMessageW(window, row.verdict, CB_SETCURSEL, 0, 0);
  }
  ShowItem(window, IDC_BEST_STAT_CAPTION, !perStat);
  ShowItem(window, IDC_BEST_VERDICT, !perStat);
  for (const StatRowControls& row : StatRows) {
    ShowItem(window, row.bestBox, !perStat);
    ShowItem(window, row.verdictLabel, perStat);
    ShowItem(window, row.verdict, perStat);
  }
}

// The trained marks stand only in games with hyper training; elsewhere they
// are cleared, so Add never takes one into a row there.
void ShowTrainedMarksOfGame(HWND window, const GameDefinition& game) {
  ShowItem(window, IDC_TRAINED_CAPTION, game.hyperTraining);
  for (const StatRowControls& row : StatRows) {
    if (!game.hyperTraining)
      CheckDlgButton(window, row.trainedBox, BST_UNCHECKED);
    ShowItem(window, row.trainedBox, game.hyperTraining);
  }
}

// Without hidden power its type clue shows the empty item and the results
// stay empty (the engine gives none); all three are greyed.
void ShowHiddenPowerOfGame(HWND window, const GameDefinition& game) {
  bool offered = game.hiddenPowerPower != HiddenPowerPowerRule::None;
  if (!offered)
    SendDlgItemMessageW(window, IDC_HP_TYPE_CLUE, CB_SETCURSEL, 0, 0);
  for (int id :
       {IDC_HP_TYPE_CLUE, IDC_HIDDEN_POWER_TYPE, IDC_HIDDEN_POWER_POWER})
    EnableWindow(GetDlgItem(window, id), offered);
}

bool IsBestStatBox(int id) { return id >= IDC_BEST_HP && id <= IDC_BEST_SPEED; }

}  // namespace

bool IsNameFieldListed(HWND field) {
  bool species = GetDlgCtrlID(field) == IDC_SPECIES;
  wchar_t text[SpeciesTextCapacity] = L"";
  ReadWindowText(field, text,
                 species ? SpeciesTextCapacity : NatureTextCapacity);
  return text[0] == L'\0' ||
         SendMessageW(field, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(text)) != CB_ERR;
}

void InitInputFormLists(HWND window) {
  FillCharacteristicList(window);
  FillHiddenPowerClueList(window);
  FillVerdictList(window, IDC_OVERALL_VERDICT, OverallVerdict);
  FillVerdictList(window, IDC_BEST_VERDICT, BestStatVerdict);
  FillStatVerdictLists(window);
}

void InitInputFormControls(HWND window) {
  SendDlgItemMessageW(window, IDC_SPECIES, CB_LIMITTEXT, SpeciesTextLimit, 0);
  SendDlgItemMessageW(window, IDC_NATURE, CB_LIMITTEXT, NatureTextLimit, 0);
  for (const StatRowControls& row : StatRows) {
    SetSpinRange(window, row.statSpin, 0, StatMaximum);
  }
  for (const StatRowControls& row : StatRows) {
    SetSpinRange(window, row.evSpin, 0, EffortMaximum);
  }
  SetUpStatusList(window);
  FillNatureList(window);
  for (const StatRowControls& row : StatRows)
    CheckDlgButton(window, row.bestBox, BST_INDETERMINATE);
}

void ShowCluesOfGame(HWND window, const GameDefinition& game) {
  ShowJudgeOfGame(window, game);
  ShowTrainedMarksOfGame(window, game);
  ShowHiddenPowerOfGame(window, game);
}

void SetStatusColumnWidths(HWND window, UINT dpi) {
  HWND list = GetDlgItem(window, IDC_STATUS_LIST);
  for (int k = 0; k < StatusColumnCount; ++k)
    SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(k),
                 ScaleToDpi(StatusColumns[k].width, dpi));
}

bool HandleFormCommand(HWND window, int id, int code) {
  if (id == IDC_SPECIES || id == IDC_NATURE)
    return HandleNameFieldCommand(window, id, code);
  if (IsClueList(id) && code == CBN_SELCHANGE) {
    RequestRecalc(window);
    return true;
  }
  if (IsBestStatBox(id) && code == BN_CLICKED) {
    RequestRecalc(window);
    return true;
  }
  if (SpinOfNumericField(id) != 0)
    return HandleNumericFieldCommand(window, id, code);
  if (id == IDC_EFFORT_UNKNOWN && code == BN_CLICKED) {
    SetEffortUnknown(window, IsDlgButtonChecked(window, id) == BST_CHECKED);
    return true;
  }
  if (id == IDC_ADD_ROW && code == BN_CLICKED) {
    AddStatusRow(window);
    return true;
  }
  if (id == IDC_EDIT_ROW) {
    EditStatusRow(window);
    return true;
  }
  if (id == IDC_DELETE_ROWS && code == BN_CLICKED) {
    DeleteStatusRows(window);
    return true;
  }
  return false;
}

LRESULT HandleStatusListNotify(HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam) {
  UpdateRowButtons(window);
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  switch (header->code) {
    case NM_DBLCLK:
      SendMessageW(window, WM_COMMAND, IDC_EDIT_ROW, 0);
      return 0;
    case NM_OUTOFMEMORY:
      ShowMessage(window, L"メモリが不足しています", MB_ICONERROR);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}
