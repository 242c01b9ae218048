// Recalculation: reads the form and every status list row, asks the engine
// and shows the candidate ranges, nature marks and hidden power.
#pragma once

#include <windows.h>

#include "ui/form_inputs.h"

// Reads the form and shows the results of the current input; result fields
// whose text stays the same are not written again.
void RecalculateResults(HWND window);

// The same with the form's inputs already read.
void RecalculateResultsOf(HWND window, const FormInputs& inputs);
