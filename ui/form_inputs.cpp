// Reading the names and clue selections out of the main window's form.
#include "ui/form_inputs.h"

#include "ui/common.h"

void ReadFormInputs(HWND window, FormInputs& inputs) {
  ReadWindowText(GetDlgItem(window, IDC_SPECIES), inputs.species,
                 SpeciesTextCapacity);
  ReadWindowText(GetDlgItem(window, IDC_NATURE), inputs.nature,
                 NatureTextCapacity);
  ReadWindowText(GetDlgItem(window, IDC_CHARACTERISTIC), inputs.characteristic,
                 CharacteristicTextCapacity);
  ReadWindowText(GetDlgItem(window, IDC_HP_TYPE_CLUE), inputs.hiddenPowerType,
                 HiddenPowerTypeCapacity);
  inputs.overallVerdict = static_cast<int32_t>(
      SendDlgItemMessageW(window, IDC_OVERALL_VERDICT, CB_GETCURSEL, 0, 0));
  for (int stat = 0; stat < StatCount; ++stat)
    inputs.marks[stat] = static_cast<int32_t>(
        SendDlgItemMessageW(window, StatRows[stat].bestBox, BM_GETCHECK, 0, 0));
  inputs.bestStatVerdict = static_cast<int32_t>(
      SendDlgItemMessageW(window, IDC_BEST_VERDICT, CB_GETCURSEL, 0, 0));
  for (int stat = 0; stat < StatCount; ++stat)
    inputs.statVerdicts[stat] = static_cast<int32_t>(SendDlgItemMessageW(
        window, StatRows[stat].verdict, CB_GETCURSEL, 0, 0));
}
