// Recalculation: reads the form and every status list row, asks the engine
// and shows the candidate ranges, nature marks and hidden power.
#pragma once

#include <windows.h>

// WM_RECALC: rebuilds every result field from nothing.
void RecalculateResults(HWND window);
