// Between the form and the document: reading every input out of the form
// and putting a document into it.
#include "ui/document_form.h"

#include "ui/common.h"
#include "ui/form_layout.h"
#include "ui/game_modes.h"
#include "ui/recalc_request.h"
#include "ui/status_rows.h"

namespace {

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

Document DocumentOfInputs(const FormInputs& inputs) {
  Document document = EmptyDocument();
  const GameDefinition* game = ChosenGame();
  document.generation = game != nullptr ? game->generation : LastGeneration;
  document.species = reinterpret_cast<const char16_t*>(inputs.species);
  if (!IsKnownSpeciesName(document.species, document.generation))
    document.species.clear();
  document.nature = reinterpret_cast<const char16_t*>(inputs.nature);
  if (!IsKnownNatureName(document.nature)) document.nature.clear();
  document.characteristic =
      reinterpret_cast<const char16_t*>(inputs.characteristic);
  document.hiddenPowerType =
      reinterpret_cast<const char16_t*>(inputs.hiddenPowerType);
  document.overallVerdict =
      inputs.overallVerdict < 0 ? 0 : inputs.overallVerdict;
  for (int stat = 0; stat < StatCount; ++stat)
    document.marks[stat] = inputs.marks[stat];
  document.bestStatVerdict =
      inputs.bestStatVerdict < 0 ? 0 : inputs.bestStatVerdict;
  document.rows.reserve(static_cast<std::size_t>(ObservationCount()));
  for (int row = 0; row < ObservationCount(); ++row)
    document.rows.push_back(ObservationAt(row));
  return document;
}

Document ReadFormDocument(HWND window) {
  FormInputs inputs{};
  ReadFormInputs(window, inputs);
  return DocumentOfInputs(inputs);
}

std::string FormFileText(HWND window) {
  return WriteDocumentText(ReadFormDocument(window));
}

void ApplyFormDocument(HWND window, const Document& document) {
  // The mode command adapts the form and refills the species list first.
  SendMessageW(window, WM_COMMAND, ModeCommandOf(document.generation), 0);
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
