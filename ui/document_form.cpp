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
  bool perStat = game != nullptr && game->judge == JudgeKind::PerStat;
  for (int stat = 0; stat < StatCount; ++stat) {
    int32_t verdict = inputs.statVerdicts[stat];
    document.statVerdicts[stat] = perStat && verdict > 0 ? verdict : 0;
  }
  // Each judge's clues only where the game's judge is that one: the older
  // judge's marks and verdict never reach a document of generations 7 to 9.
  if (perStat) {
    for (int32_t& mark : document.marks) mark = MarkUnknown;
    document.bestStatVerdict = 0;
  }
  bool training = game != nullptr && game->hyperTraining;
  document.rows.reserve(static_cast<std::size_t>(ObservationCount()));
  for (int row = 0; row < ObservationCount(); ++row) {
    document.rows.push_back(ObservationAt(row));
    if (!training) document.rows.back().trained = 0;
  }
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
  // Games without hidden power keep its clue list on the empty item.
  const GameDefinition* game = ChosenGame();
  bool hiddenPower =
      game != nullptr && game->hiddenPowerPower != HiddenPowerPowerRule::None;
  SelectText(window, IDC_HP_TYPE_CLUE,
             hiddenPower ? document.hiddenPowerType : std::u16string());
  SendDlgItemMessageW(window, IDC_OVERALL_VERDICT, CB_SETCURSEL,
                      static_cast<WPARAM>(document.overallVerdict), 0);
  // Each judge's clues only where the game's judge is that one (a file
  // never carries the older judge's into generations 7 to 9); an index no
  // list holds selects the empty item.
  bool perStat = game != nullptr && game->judge == JudgeKind::PerStat;
  for (int stat = 0; stat < StatCount; ++stat)
    CheckDlgButton(
        window, StatRows[stat].bestBox,
        perStat ? BST_INDETERMINATE : static_cast<UINT>(document.marks[stat]));
  SendDlgItemMessageW(
      window, IDC_BEST_VERDICT, CB_SETCURSEL,
      perStat ? 0 : static_cast<WPARAM>(document.bestStatVerdict), 0);
  for (int stat = 0; stat < StatCount; ++stat) {
    int32_t verdict = document.statVerdicts[stat];
    bool known = perStat && verdict > 0 && verdict < StatVerdictCount;
    SendDlgItemMessageW(window, StatRows[stat].verdict, CB_SETCURSEL,
                        known ? static_cast<WPARAM>(verdict) : 0, 0);
  }
  ReplaceObservations(document.rows.data(),
                      static_cast<int>(document.rows.size()));
  ShowObservations(window);
  RequestRecalc(window);
}
