// The form's inputs besides the observations: names and clue selections,
// read once per recalculation and shared by the results and the change check.
#pragma once

#include <windows.h>

#include "engine/engine.h"
#include "ui/form_layout.h"

struct FormInputs {
  wchar_t species[SpeciesTextCapacity];
  wchar_t nature[NatureTextCapacity];
  wchar_t characteristic[CharacteristicTextCapacity];
  wchar_t hiddenPowerType[HiddenPowerTypeCapacity];
  int32_t overallVerdict;  // CB_GETCURSEL: -1 when nothing is selected
  int32_t marks[StatCount];
  int32_t bestStatVerdict;
  int32_t statVerdicts[StatCount];  // CB_GETCURSEL of the per-stat judge
};

void ReadFormInputs(HWND window, FormInputs& inputs);
