// Between the form and the document: reading every input out of the form
// and putting a document into it.
#include "ui/document_form.h"

#include "data/gamedata.h"
#include "ui/common.h"
#include "ui/form_layout.h"
#include "ui/recalc_request.h"
#include "ui/status_rows.h"

namespace {

// The longest clue text of a choice list, with its terminator.
constexpr int ChoiceTextCapacity = 32;

std::u16string FieldText(HWND window, int id, int capacity) {
  wchar_t text[ChoiceTextCapacity] = L"";
  ReadWindowText(GetDlgItem(window, id), text,
                 capacity < ChoiceTextCapacity ? capacity : ChoiceTextCapacity);
  return reinterpret_cast<const char16_t*>(text);
}

int32_t Selection(HWND window, int id) {
  LRESULT index = SendDlgItemMessageW(window, id, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? 0 : static_cast<int32_t>(index);
}

// Selects the item whose text is `text` (the empty first item for "").
void SelectText(HWND window, int id, const std::u16string& text) {
  LRESULT index = 0;
  if (!text.empty())
    index = SendDlgItemMessageW(window, id, CB_FINDSTRINGEXACT,
                                static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(text.c_str()));
  SendDlgItemMessageW(window, id, CB_SETCURSEL,
                      index == CB_ERR ? 0 : static_cast<WPARAM>(index), 0);
}

void SetName(HWND window, int id, const std::u16string& name) {
  SetDlgItemTextW(window, id, reinterpret_cast<const wchar_t*>(name.c_str()));
}

}  // namespace

Document ReadFormDocument(HWND window) {
  Document document = EmptyDocument();
  document.gameMode = GameMode;
  document.species = FieldText(window, IDC_SPECIES, SpeciesTextCapacity);
  if (!IsKnownSpeciesName(document.species, GameMode)) document.species.clear();
  document.nature = FieldText(window, IDC_NATURE, NatureTextCapacity);
  if (!IsKnownNatureName(document.nature)) document.nature.clear();
  document.characteristic =
      FieldText(window, IDC_CHARACTERISTIC, CharacteristicTextCapacity);
  document.hiddenPowerType =
      FieldText(window, IDC_HP_TYPE_CLUE, HiddenPowerTypeCapacity);
  document.overallVerdict = Selection(window, IDC_OVERALL_VERDICT);
  for (int stat = 0; stat < StatCount; ++stat)
    document.marks[stat] = static_cast<int32_t>(
        SendDlgItemMessageW(window, StatRows[stat].bestBox, BM_GETCHECK, 0, 0));
  document.bestStatVerdict = Selection(window, IDC_BEST_VERDICT);
  document.rows.reserve(static_cast<std::size_t>(ObservationCount()));
  for (int row = 0; row < ObservationCount(); ++row)
    document.rows.push_back(ObservationAt(row));
  return document;
}

void ApplyFormDocument(HWND window, const Document& document) {
  // The mode command adapts the form and refills the species list first.
  SendMessageW(window, WM_COMMAND, document.gameMode, 0);
  SetName(window, IDC_SPECIES, document.species);
  SetName(window, IDC_NATURE, document.nature);
  SelectText(window, IDC_CHARACTERISTIC, document.characteristic);
  SelectText(window, IDC_HP_TYPE_CLUE, document.hiddenPowerType);
  SendDlgItemMessageW(window, IDC_OVERALL_VERDICT, CB_SETCURSEL,
                      static_cast<WPARAM>(document.overallVerdict), 0);
  for (int stat = 0; stat < StatCount; ++stat)
    CheckDlgButton(window, StatRows[stat].bestBox,
                   static_cast<UINT>(document.marks[stat]));
  SendDlgItemMessageW(window, IDC_BEST_VERDICT, CB_SETCURSEL,
                      static_cast<WPARAM>(document.bestStatVerdict), 0);
  ReplaceObservations(document.rows.data(),
                      static_cast<int>(document.rows.size()));
  ShowObservations(window);
  RequestRecalc(window);
}
