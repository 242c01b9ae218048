// The recalculation handler: the form and the rows in, the result fields out.
#include "ui/recalc.h"

#include <commctrl.h>

#include "data/bounded_copy.h"
#include "data/gamedata.h"
#include "tools/number_field.h"
#include "ui/common.h"
#include "ui/form_layout.h"

namespace {

// Clue texts: a characteristic has at most 12 characters, a type 4.
constexpr int CharacteristicCapacity = CharacteristicTextCapacity;
constexpr int TypeCapacity = HiddenPowerTypeCapacity;
// Row cells are read into the engine's field widths.
constexpr int EntryLevelLimit = 255;
constexpr int StatValueMaximum = 65535;
// The handler's result when GameMode is not one of the four modes.
constexpr int32_t ModeInvalidResult = -99;

// Everything the engine needs besides the observations.
struct FormInputs {
  wchar_t species[SpeciesTextCapacity];
  wchar_t nature[NatureTextCapacity];
  wchar_t characteristic[CharacteristicCapacity];
  wchar_t hiddenPowerType[TypeCapacity];
  int32_t overallVerdict;
  int32_t marks[StatCount];
  int32_t bestStatVerdict;
};

void ClearResultFields(HWND window) {
  for (const StatRowControls& row : StatRows)
    SetDlgItemTextW(window, row.ivField, L"");
  for (const StatRowControls& row : StatRows)
    if (row.natureMark != 0) SetDlgItemTextW(window, row.natureMark, L"");
  SetDlgItemTextW(window, IDC_HIDDEN_POWER_TYPE, L"");
  SetDlgItemTextW(window, IDC_HIDDEN_POWER_POWER, L"");
}

void ReadFormInputs(HWND window, FormInputs& inputs) {
  ReadWindowText(GetDlgItem(window, IDC_SPECIES), inputs.species,
                 SpeciesTextCapacity);
  ReadWindowText(GetDlgItem(window, IDC_NATURE), inputs.nature,
                 NatureTextCapacity);
  ReadWindowText(GetDlgItem(window, IDC_CHARACTERISTIC), inputs.characteristic,
                 CharacteristicCapacity);
  ReadWindowText(GetDlgItem(window, IDC_HP_TYPE_CLUE), inputs.hiddenPowerType,
                 TypeCapacity);
  inputs.overallVerdict = static_cast<int32_t>(
      SendDlgItemMessageW(window, IDC_OVERALL_VERDICT, CB_GETCURSEL, 0, 0));
  for (int stat = 0; stat < StatCount; ++stat)
    inputs.marks[stat] = static_cast<int32_t>(
        SendDlgItemMessageW(window, StatRows[stat].bestBox, BM_GETCHECK, 0, 0));
  inputs.bestStatVerdict = static_cast<int32_t>(
      SendDlgItemMessageW(window, IDC_BEST_VERDICT, CB_GETCURSEL, 0, 0));
}

int CellNumber(HWND list, int row, int column, int maximum) {
  wchar_t text[CellTextCapacity] = L"";
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = CellTextCapacity;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
  text[CellTextCapacity - 1] = L'\0';
  int value = ParseNumber(text);
  if (value < 0) return 0;
  return value > maximum ? maximum : value;
}

// One observation per row: the level, six stats and six effort values.
void ReadStatusRows(HWND list, StatusEntry* entries, int count) {
  for (int row = 0; row < count; ++row) {
    StatusEntry& entry = entries[row];
    entry.level =
        static_cast<uint8_t>(CellNumber(list, row, 1, EntryLevelLimit));
    for (int stat = 0; stat < StatCount; ++stat) {
      entry.stats[stat] = static_cast<uint16_t>(
          CellNumber(list, row, 2 + stat, StatValueMaximum));
      entry.effortValues[stat] = static_cast<uint16_t>(
          CellNumber(list, row, 8 + stat, StatValueMaximum));
    }
  }
}

bool IsKnownGameMode(uint32_t mode) {
  return mode == ModeGen3 || mode == ModeGen4 || mode == ModeGen5 ||
         mode == ModeGen6;
}

int32_t CallEngine(const FormInputs& inputs, const StatusEntry* entries,
                   int count, IvResult& result) {
  if (!IsKnownGameMode(GameMode)) return ModeInvalidResult;
  const int32_t* marks = inputs.marks;
  return CalcIndividualValues(
      reinterpret_cast<const char16_t*>(inputs.species),
      reinterpret_cast<const char16_t*>(inputs.nature), entries, count, &result,
      reinterpret_cast<const char16_t*>(inputs.characteristic),
      reinterpret_cast<const char16_t*>(inputs.hiddenPowerType),
      inputs.overallVerdict, marks[StatHp], marks[StatAttack],
      marks[StatDefense], marks[StatSpAtk], marks[StatSpDef], marks[StatSpeed],
      inputs.bestStatVerdict);
}

// " 5" for a single candidate, " 4～ 9" for several (lowest and highest).
void ShowIvRange(const StatResult& stat, HWND field) {
  wchar_t text[32] = L"";
  if (stat.minIv == stat.maxIv) {
    wsprintfW(text, L"%2u", static_cast<unsigned>(stat.minIv));
  } else {
    wsprintfW(text, L"%2u～%2u", static_cast<unsigned>(stat.minIv),
              static_cast<unsigned>(stat.maxIv));
  }
  SetWindowTextW(field, text);
}

// "↓" when the nature lowers the stat, "↑" when it raises it, else nothing.
void ShowNatureMark(int32_t natureDir, HWND field) {
  if (natureDir < 0) {
    SetWindowTextW(field, L"↓");
  } else if (natureDir > 0) {
    SetWindowTextW(field, L"↑");
  }
}

void ShowResult(HWND window, const IvResult& result) {
  for (int stat = 0; stat < StatCount; ++stat)
    if (result.stats[stat].mask != 0)
      ShowIvRange(result.stats[stat],
                  GetDlgItem(window, StatRows[stat].ivField));
  if (result.hiddenPowerKnown != 0) {
    wchar_t type[TypeCapacity] = L"";
    CopyUnitsBounded(type, TypeCapacity, HiddenPowerTypeCapacity,
                     [&result](int i) { return result.hiddenPowerType[i]; });
    SetDlgItemTextW(window, IDC_HIDDEN_POWER_TYPE, type);
    wchar_t power[16] = L"";
    wsprintfW(power, L"%2u", static_cast<unsigned>(result.hiddenPowerPower));
    SetDlgItemTextW(window, IDC_HIDDEN_POWER_POWER, power);
  }
  for (int stat = StatAttack; stat < StatCount; ++stat)
    ShowNatureMark(result.stats[stat].natureDir,
                   GetDlgItem(window, StatRows[stat].natureMark));
}

}  // namespace

void RecalculateResults(HWND window) {
  HWND list = GetDlgItem(window, IDC_STATUS_LIST);
  int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  ClearResultFields(window);
  if (count <= 0) return;
  FormInputs inputs{};
  ReadFormInputs(window, inputs);
  HANDLE heap = GetProcessHeap();
  auto* entries = static_cast<StatusEntry*>(
      HeapAlloc(heap, HEAP_ZERO_MEMORY,
                static_cast<SIZE_T>(count) * sizeof(StatusEntry)));
  if (entries == nullptr) {
    ShowMessage(window, L"メモリを確保できませんでした", MB_ICONERROR);
    return;
  }
  ReadStatusRows(list, entries, count);
  IvResult result{};
  int32_t status = CallEngine(inputs, entries, count, result);
  HeapFree(heap, 0, entries);
  if (status < 0) return;
  ShowResult(window, result);
}
